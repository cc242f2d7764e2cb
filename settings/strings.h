#pragma once

#include <QString>

// The program's string table: every registry path, value name, status text and copy-format
// fragment by its fixed number. Some numbers are computed from program values (the short name of
// a palette is the first one's number + the palette's position), so the numbering and its gaps
// matter. An unknown number gives an empty text.
[[nodiscard]] QString LoadResString(int id);

// The numbers of the texts the program asks for by name; the settings' keys and value names are
// the schema's. A run of texts that a program value picks from is named by its first number, or by
// its base, the number before the first, where the value counts from 1.
enum StringId : int {
    InstantCopyPanelText = 111, // "INST"
    HomePageText = 112,
    MailAddressText = 114,
    FirstPaletteShortName = 116, // "SAFE", "GREY", "NAME", "SYS", "CUST"
    // Each Show text is followed by its Hide text.
    ShowToolbarText = 124,
    HideToolbarText = 125,
    ShowStatusBarText = 126,
    HideStatusBarText = 127,
    ShowPaletteText = 128,
    HidePaletteText = 129,
    FirstColourNameEntry = 131,   // "aliceblue:F0F8FF", the 140 HTML colours in palette order
    FirstSystemColourEntry = 271, // "activeborder:8000000A", the 28 system colours
    BlueLabelText = 300,          // "B:"
    HexPromptText = 301,
    DecimalPromptText = 302,
    NamePromptText = 303,
    HtmlTextBase = 327,      // + HtmlAttribute: "color=" to "vlink="
    CssTextBase = 334,       // + CssProperty: "color:" to "border-right-color:"
    InlineCssTextBase = 341, // + CssProperty: "this.style.color=" and so on
    SavedInSwatchText = 350,
    CopiedTrueColourText = 351,
    CopiedSafeColourText = 352,
    FirstPaletteChosenText = 353, // "Browser safe palette" to "Custom palette"
    // Each copy switch's On text is followed by its Off text.
    QuotesOnText = 358,
    LowercaseOnText = 360,
    PoundSignOnText = 362,
    IncludeTagOnText = 364,
    UseRgbOnText = 366,
    InstantCopyOnText = 368,
    InstantCopyOffText = 369,
    FirstPreviewPartText = 370, // "Active link" to "Link", in the order of the Preview menu
    IsNowText = 377,
    NotSavedText = 378,  // "Settings could not be saved:"
    NotStoredText = 387, // another copy holds the settings file
    OnTopUnavailableText = 388,
    NoColourPickedText = 389,
    NoScreenPickerText = 390,
    FirstCssCopiedText =
        393, // "Copied CSS hex" to "Copied CSS property", in the order of the forms
    SwatchesExportedText = 399,
    NoSwatchToExportText = 400,
    SwatchesImportedText = 401,
    NotWrittenText = 402, // "%1 could not be written: %2", the file and why
    // The file, and why it could not be read; then each problem of a palette file, in the order
    // of SwatchFileContents::Problem from TooLarge, with the file and the line.
    NotReadText = 403,
    SwatchesDidNotFitText = 407, // how many did not fit, of how many, in which file
};
