#pragma once

// The main window's vertical layout, in twips. The window is designed so that its height is the
// sum of its parts' heights and a few fixed gaps; hidden parts take their share away.

// The heights of the parts and whether they are shown.
struct MainParts
{
    int toolbar = 0;
    int statusBar = 0;
    int palette = 0;
    int fraMain = 0;
    int fraFinder = 0;
    int picFinder = 0;
    bool toolbarShown = true;
    bool statusBarShown = true;
    bool paletteShown = true;
};

// Where the parts go, and the window's outer height: its client area together with the caption,
// menu bar and borders of the window it was designed in.
struct MainLayout
{
    int fraMainTop = 0;
    int picFinderTop = 0;
    int fraFinderTop = 0;
    int picPaletteTop = 0;
    int outerHeight = 0;
};

[[nodiscard]] MainLayout ComputeMainLayout(const MainParts &parts);

// The caption, menu bar and borders that the outer height includes: those of the window the
// layout was designed in. Here the menu bar lies inside the window and the rest belongs to the
// desktop, so the client height is the outer height less this.
inline constexpr int DesignedNonClientHeight = 660;
