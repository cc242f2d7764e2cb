#include "settings/import.h"

#include "core/copyactions.h"
#include "core/copytext.h"
#include "core/currentcolour.h"
#include "core/programsettings.h"
#include "core/prompts.h"
#include "palettes/drawpalette.h"
#include "palettes/palettehittest.h"
#include "palettes/palettekind.h"
#include "settings/schema.h"

namespace {

// The old "Copy As" bits and what each adds; none is ever taken away.
constexpr int OldQuotes = 1, OldCss = 2, OldLowercase = 4, OldInstantCopy = 8;

// Fills the free swatches from 63 downwards with the old custom colours, in the order of their
// numbers. A swatch is in use when the custom palette shows it as stored, so the palette is
// drawn before the first look: another palette's drawing could make a stored swatch look free.
void PlaceOldCustomColours(PictureBox &picPalette)
{
    DrawPalette(picPalette, CustomPalette);
    int target = Schema::SwatchCount - 1;
    for (int number = 1; number <= Schema::OldCustomColourCount; ++number) {
        const ColourValue colour = GetSetting(Schema::OldCustomColour(number));
        if (colour < 0)
            continue;
        while (target >= 0 && SwatchIsSaved(CustomPalette, target, picPalette))
            --target;
        if (target < 0)
            return;
        SaveValue(Schema::Swatch(target), colour);
        DrawPalette(picPalette, CustomPalette);
    }
}

} // namespace

bool ImportSettings(ProgramSettings &settings, ColourDisplay &picMain, PictureBox &picPalette,
                    QWidget *parent)
{
    if (!CurrentPrompts().Confirm(parent, QStringLiteral("Confirm Import"),
                                  QStringLiteral("Proceed with importing Pigmenta v.1\r\n"
                                                 "settings into Pigmenta R4?")))
        return false;
    settings.alwaysOnTop = GetSetting(Schema::OldAlwaysOnTop, settings.alwaysOnTop ? -1 : 0);
    settings.showSplash = GetSetting(Schema::OldShowSplash, settings.showSplash ? -1 : 0);
    PlaceOldCustomColours(picPalette);

    const int copyAs = GetSetting(Schema::OldCopyAs);
    CopyOptions &options = settings.copyOptions;
    if (copyAs & OldQuotes)
        options.copyFlags |= Quotes;
    if (copyAs & OldCss)
        options.tagKind = Css;
    if (copyAs & OldLowercase)
        options.copyFlags |= Lowercase;
    if (copyAs & OldInstantCopy)
        options.copyFlags |= InstantCopy;

    const ColourValue current = ReadSwatchColour(picMain, TrueSwatch);
    SetCurrentColour(picMain, GetSetting(Schema::OldColour, int(current)));
    CopyPickedColour(picMain, options, ImportCopy);
    return true;
}
