#pragma once

#include "core/colour.h"
#include "core/copyoptions.h"
#include "core/palettekind.h"

#include <QString>

// Who asked for a copy: a pick from one of the five palettes, or one of the other sources.
enum CopySource : int {
    SafePaletteCopy = 1,
    GreyPaletteCopy = 2,
    NamesPaletteCopy = 3,
    SystemPaletteCopy = 4,
    CustomPaletteCopy = 5,
    FinderCopy = 6,
    EnterColourCopy = 7,
    SystemDialogCopy = 8,
    CopyTrueColourCommand = 9,
    CopySafeColourCommand = 10,
    ImportCopy = 11,
    // Copy CSS, one source for each form of core/cssforms.h; the copy options shape none of them.
    CssHexCopy = 12,
    CssShortHexCopy = 13,
    CssRgbCopy = 14,
    CssHslCopy = 15,
    CssOklchCopy = 16,
    CssCustomPropertyCopy = 17,
};

// The source of the copy that follows a pick from palette kind.
[[nodiscard]] constexpr CopySource PaletteCopySource(PaletteKind kind)
{
    return CopySource(SafePaletteCopy + PalettePosition(kind));
}

// Whether the true colour or the browser-safe colour is copied.
enum CopyKind : int { TrueColourKind = 0, SafeColourKind = 2 };

// The text a copy puts on the clipboard: hex, rgb or the picked name (upperCaption, the upper
// caption of the current-colour display), quoted, tagged and cased as the options say; for a CSS
// form source the form as it is, the six-digit hex for a short hex the colour has not.
[[nodiscard]] QString ComposeCopyText(ColourValue colour, CopySource source, CopyKind kind,
                                      const CopyOptions &options, const QString &upperCaption);

// text without any of the characters listed in characters.
[[nodiscard]] QString StripCharacters(const QString &text, QStringView characters);

// Replaces what the clipboard holds with the text.
void SetClipboardText(const QString &text);
