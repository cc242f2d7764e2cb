// One movement step of a finder drag (sample, readouts, current colour; the repaint excluded)
// against its physical limit, one raw 7 × 7 image read from the X server, interleaved on one
// connection to a private X server; and one step of a pick over a screenshot, as on Wayland (a
// pointer movement over the overlay: sample, readouts, the overlay's panel; the repaint excluded)
// against one 7 × 7 read of the still picture. Allocations are counted per step.
//
//   bench_finder --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "benchwindow.h"
#include "finder/finderdrag.h"
#include "finder/finderoverlay.h"
#include "finder/frozenscreen.h"
#include "finder/screensource.h"

#include <QMouseEvent>
#include <QScreen>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <vector>
#include <xcb/xcb.h>

namespace {

std::atomic<long> g_allocations = 0;

frmMain *g_window = nullptr;

xcb_connection_t *g_connection = nullptr;
xcb_window_t g_root = 0;

// The floor: one 7 × 7 image read from the X server, one round trip.
void RawImageRead()
{
    std::free(xcb_get_image_reply(
        g_connection,
        xcb_get_image(g_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, g_root, 100, 100, 7, 7, ~0u),
        nullptr));
}

double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Each iteration times one step and its floor right after it, so that both meet the same load on
// a shared machine; the counters are the medians, their ratio and the step's allocations.
template <typename Step, typename Floor>
void TimeBesideFloor(benchmark::State &state, const char *floorName, Step step, Floor floor)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> steps, floors;
    long allocations = 0;
    for (auto _ : state) {
        const bool odd = steps.size() % 2;
        const auto start = Clock::now();
        const long before = g_allocations;
        step(odd);
        allocations += g_allocations - before;
        const auto stepped = Clock::now();
        floor(odd);
        const auto done = Clock::now();
        steps.push_back(std::chrono::duration<double, std::micro>(stepped - start).count());
        floors.push_back(std::chrono::duration<double, std::micro>(done - stepped).count());
    }
    const double median = Median(steps), floorMedian = Median(floors);
    state.counters["step_us"] = median;
    state.counters[floorName] = floorMedian;
    state.counters["ratio"] = median / floorMedian;
    state.counters["allocations_per_step"] = double(allocations) / double(steps.size());
}

void FinderStepAgainstRawRead(benchmark::State &state)
{
    g_window->imgLocator_MouseDown(1, 0, 240, 240);
    TimeBesideFloor(
        state, "raw_read_us", [](bool) { g_window->imgLocator_MouseMove(1, 0, 240, 240); },
        [](bool) { RawImageRead(); });
    g_window->imgLocator_MouseUp(1, 0, 240, 240);
}
BENCHMARK(FinderStepAgainstRawRead)->Unit(benchmark::kMicrosecond);

void FrozenStepAgainstFrozenRead(benchmark::State &state)
{
    QImage picture(QGuiApplication::primaryScreen()->size(), QImage::Format_RGB32);
    picture.fill(0x336699);
    FrozenScreen frozen(picture, ScreenPlaces());
    // The overlays of the run before are gone, or one waits yet to hand the keys back.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    g_window->findChild<FinderDrag *>()->PickOver(picture);
    FinderOverlay *overlay = g_window->findChildren<FinderOverlay *>().last();
    // Moves alternate between two places, as a hand's never rest.
    TimeBesideFloor(
        state, "frozen_read_us",
        [overlay](bool odd) {
            const QPointF at(100 + odd, 100);
            QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, {});
            QApplication::sendEvent(overlay, &move);
        },
        [&frozen](bool odd) {
            benchmark::DoNotOptimize(frozen.ReadBlock(QPoint(100 + odd, 100)));
        });
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, {});
    QApplication::sendEvent(overlay, &escape);
}
BENCHMARK(FrozenStepAgainstFrozenRead)->Unit(benchmark::kMicrosecond);

} // namespace

// Every allocation of the process passes here, Qt's included.
extern "C" void *__libc_malloc(size_t size);
extern "C" void *malloc(size_t size)
{
    ++g_allocations;
    return __libc_malloc(size);
}

int main(int argc, char **argv)
{
    return RunWithMainWindow(argc, argv, g_window, [] {
        SetScreenSource(DesktopScreenSource());
        g_connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        g_root = xcb_setup_roots_iterator(xcb_get_setup(g_connection)).data->root;
    });
}
