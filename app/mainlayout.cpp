#include "app/mainlayout.h"

MainLayout ComputeMainLayout(const MainParts &parts)
{
    MainLayout layout;
    const int t = parts.toolbarShown ? parts.toolbar : 0;
    layout.fraMainTop = parts.toolbarShown ? parts.toolbar + 50 : 50;
    const int s = parts.statusBarShown ? parts.statusBar - 100 : -100;
    const int a = parts.paletteShown ? parts.palette - 200 : -350;
    layout.picFinderTop = layout.fraMainTop + parts.fraMain + 150;
    layout.fraFinderTop = layout.picFinderTop - 100;
    layout.picPaletteTop = layout.picFinderTop + parts.picFinder + 150;
    layout.outerHeight = t + parts.fraMain + parts.fraFinder + parts.picFinder + a + s;
    return layout;
}
