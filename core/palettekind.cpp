#include "core/palettekind.h"

#include "settings/strings.h"

QString PaletteShortName(PaletteKind kind)
{
    return LoadResString(FirstPaletteShortName + PalettePosition(kind));
}

QString PaletteChosenText(PaletteKind kind)
{
    return LoadResString(FirstPaletteChosenText + PalettePosition(kind));
}
