#pragma once

#include "core/copyoptions.h"
#include "core/copytext.h"
#include "core/palettekind.h"

// Which parts of the main window are shown.
enum ViewFlag { ToolbarShown = 1, StatusBarShown = 2, PaletteShown = 4 };

// The switches and options the main window holds in memory from its load to its unload; commands
// change them here, and only the unload stores them.
struct ProgramSettings
{
    bool alwaysOnTop = false;
    bool showSplash = false;
    bool showAlert = false;
    int viewFlags = 0;
    PaletteKind currentPalette = NoPalette;
    CopyOptions copyOptions;
    // The form Copy CSS copied in last, which its repeat key copies in.
    CopySource cssForm = CssHexCopy;
};

// The settings as stored, defaults for what is missing.
[[nodiscard]] ProgramSettings ReadProgramSettings();
void SaveProgramSettings(const ProgramSettings &settings);
