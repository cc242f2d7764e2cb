#pragma once

#include <QString>

// The five palettes, numbered as their items in the View menu; the settings file keeps the number.
// NoPalette stands for a colour that comes from none of them.
enum PaletteKind : int {
    NoPalette = 0,
    SafePalette = 10,
    GreyPalette = 20,
    NamesPalette = 30,
    SystemPalette = 40,
    CustomPalette = 50,
};
inline constexpr PaletteKind AllPalettes[] = {SafePalette, GreyPalette, NamesPalette, SystemPalette,
                                              CustomPalette};

[[nodiscard]] constexpr bool IsPaletteKind(int kind)
{
    return kind >= SafePalette && kind <= CustomPalette && kind % 10 == 0;
}

// The palette after kind in the cycle 10, 20, 30, 40, 50, 10.
[[nodiscard]] constexpr PaletteKind NextPalette(PaletteKind kind)
{
    return kind == CustomPalette ? SafePalette : PaletteKind(kind + 10);
}

// The palette's place among the five, 0 to 4: the places of its menu item and of its texts.
[[nodiscard]] constexpr int PalettePosition(PaletteKind kind)
{
    return kind / 10 - 1;
}

// The palette's short name for the status bar ("SAFE"), and the status text of its choice
// ("Browser safe palette").
[[nodiscard]] QString PaletteShortName(PaletteKind kind);
[[nodiscard]] QString PaletteChosenText(PaletteKind kind);
