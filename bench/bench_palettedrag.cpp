// One movement of a swatch dragged over the full custom palette, under a private X server: the
// pointer read, the hit tests, the palette redrawn from the store (64 swatches) and the target
// marked; the repaint excluded. Beside it, the redraw alone, and the floor of both: the palette
// box cleared, one fill of the same picture with the same repaint asked for.
//
//   bench_palettedrag --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "benchwindow.h"
#include "core/picturebox.h"
#include "palettes/drawpalette.h"
#include "palettes/palettekind.h"

#include <QCursor>

namespace {

frmMain *g_window = nullptr;

QPoint SwatchMiddle(int index)
{
    const CellRectangle r = CellRect(index);
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void SwatchDragMovement(benchmark::State &state)
{
    const QPoint from = SwatchMiddle(5), over = SwatchMiddle(42);
    QCursor::setPos(g_window->picPalette->mapToGlobal(from / 15));
    QApplication::processEvents();
    g_window->picPalette_MouseDown(1, 0, from.x(), from.y());
    g_window->picPalette_MouseMove(1, 0, from.x() + 15, from.y());
    QCursor::setPos(g_window->picPalette->mapToGlobal(over / 15));
    for (auto _ : state)
        g_window->picPalette_MouseMove(1, 0, over.x(), over.y());
    // Dropped back where it came from, so that the stored swatches stay as they are.
    QCursor::setPos(g_window->picPalette->mapToGlobal(from / 15));
    g_window->picPalette_MouseUp(1, 0, from.x(), from.y());
}
BENCHMARK(SwatchDragMovement)->Unit(benchmark::kMicrosecond);

void RedrawOnly(benchmark::State &state)
{
    for (auto _ : state)
        DrawPalette(*g_window->picPalette, CustomPalette);
}
BENCHMARK(RedrawOnly)->Unit(benchmark::kMicrosecond);

void SwatchDrag_Floor(benchmark::State &state)
{
    for (auto _ : state)
        g_window->picPalette->Cls();
    // Drawn again, since a drag starts only from a swatch shown as stored.
    DrawPalette(*g_window->picPalette, CustomPalette);
}
BENCHMARK(SwatchDrag_Floor)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return RunWithMainWindow(argc, argv, g_window, [] {
        SaveValue(Schema::Palette, int(CustomPalette));
        StoreFullCustomPalette();
    });
}
