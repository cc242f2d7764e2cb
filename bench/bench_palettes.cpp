// Drawing each palette into a box of the main window's palette size; the custom palette with all
// 64 swatches stored in the settings file, so that each drawing reads them all. Beside them, the
// floor of any drawing: the box cleared, one fill of the same picture.
#include "arguments.h"
#include "benchsettings.h"
#include "core/picturebox.h"
#include "palettes/drawpalette.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// Shown as in the window, where each drawing asks for a repaint.
struct PaletteBox : PictureBox
{
    PaletteBox()
    {
        resize(3255 / 15, 1530 / 15);
        show();
    }
};

static void DrawPaletteOfKind(benchmark::State &state)
{
    PaletteBox picPalette;
    for (auto _ : state)
        DrawPalette(picPalette, PaletteKind(state.range(0)));
}
BENCHMARK(DrawPaletteOfKind)->DenseRange(10, 50, 10)->Unit(benchmark::kMicrosecond);

static void DrawPaletteOfKind_Floor(benchmark::State &state)
{
    PaletteBox picPalette;
    for (auto _ : state)
        picPalette.Cls();
}
BENCHMARK(DrawPaletteOfKind_Floor)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    TakeBenchmarkArguments(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const BenchSettings settings;
    StoreFullCustomPalette();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
