// Runs every benchmark beside it and writes one Markdown report: each thing measured beside its
// floor, measured in the same run, their ratio, and the goal where there is one.
//
//   build/bench/bench_report [report.md]      (to standard output without a file)

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

constexpr int Repetitions = 9;
constexpr double MinSeconds = 0.1; // of processor time in each repetition
constexpr int StartupRuns = 15;

// The standard output of one benchmark of this folder; its error output ends the report at once
// when it fails.
QByteArray Run(const QString &name, const QStringList &arguments)
{
    std::fprintf(stderr, "bench_report: %s\n", qPrintable(name));
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + u'/' + name, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n%s", qPrintable(name),
                     qPrintable(process.errorString()), process.readAllStandardError().constData());
        std::exit(1);
    }
    return process.readAllStandardOutput();
}

// A Google Benchmark's median aggregates by name, its repetitions interleaved at random so that
// each benchmark and its floor meet the same load.
QHash<QString, QJsonObject> RunBenchmark(const QString &name)
{
    const QJsonDocument json = QJsonDocument::fromJson(
        Run(name, {QStringLiteral("--benchmark_format=json"),
                   QStringLiteral("--benchmark_repetitions=%1").arg(Repetitions),
                   QStringLiteral("--benchmark_min_time=%1").arg(MinSeconds),
                   QStringLiteral("--benchmark_report_aggregates_only=true"),
                   QStringLiteral("--benchmark_enable_random_interleaving=true")}));
    QHash<QString, QJsonObject> medians;
    for (const QJsonValue run : json[QLatin1String("benchmarks")].toArray()) {
        if (run[QLatin1String("aggregate_name")].toString() == u"median")
            medians.insert(run[QLatin1String("run_name")].toString(), run.toObject());
    }
    return medians;
}

QJsonObject Find(const QHash<QString, QJsonObject> &medians, const QString &name)
{
    if (!medians.contains(name)) {
        std::fprintf(stderr, "bench_report: no benchmark %s\n", qPrintable(name));
        std::exit(1);
    }
    return medians[name];
}

// The median wall time of a Google Benchmark, in nanoseconds.
double Nanoseconds(const QHash<QString, QJsonObject> &medians, const QString &name)
{
    const QJsonObject run = Find(medians, name);
    static const QHash<QString, double> perUnit = {
        {QStringLiteral("ns"), 1}, {QStringLiteral("us"), 1e3}, {QStringLiteral("ms"), 1e6}};
    return run[QLatin1String("real_time")].toDouble() *
           perUnit.value(run[QLatin1String("time_unit")].toString(), 1e9);
}

QString Time(double nanoseconds)
{
    if (nanoseconds >= 1e6)
        return QStringLiteral("%1 ms").arg(nanoseconds / 1e6, 0, 'f', 2);
    if (nanoseconds >= 1e3)
        return QStringLiteral("%1 µs").arg(nanoseconds / 1e3, 0, 'f', 1);
    return QStringLiteral("%1 ns").arg(nanoseconds, 0, 'f', 0);
}

// One line of the table, every figure written out.
struct Row
{
    QString measured;
    QString program;
    QString floor;
    QString floorIs;
    QString ratio;
    QString goal;
};

QString Ratio(double program, double floor)
{
    return floor > 0 ? QStringLiteral("%1×").arg(program / floor, 0, 'f', 2) : QStringLiteral("—");
}

Row TimeRow(const QString &measured, double program, double floor, const QString &floorIs,
            const QString &goal = {})
{
    return {measured, Time(program), Time(floor), floorIs, Ratio(program, floor), goal};
}

// The rest of the first line of a file that starts with prefix.
QString LineStarting(const QString &path, const QString &prefix)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (line.startsWith(prefix.toLatin1()))
                return QString::fromLatin1(line.mid(prefix.size())).trimmed();
        }
    }
    return QStringLiteral("unknown");
}

QString LoadAverage()
{
    return LineStarting(QStringLiteral("/proc/loadavg"), {}).section(u' ', 0, 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // One optional file name; an option (anything starting with "-") is not one.
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        std::fprintf(stderr,
                     "usage: bench_report [report.md]   (to standard output without one)\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    const QDateTime date = QDateTime::currentDateTimeUtc();
    const QString loadBefore = LoadAverage();

    const auto settings = RunBenchmark(QStringLiteral("bench_settings"));
    const QJsonObject save =
        Find(settings, QStringLiteral("SaveValueAgainstPlainSave/iterations:100"));
    const auto palettes = RunBenchmark(QStringLiteral("bench_palettes"));
    const auto drag = RunBenchmark(QStringLiteral("bench_palettedrag"));
    const auto finders = RunBenchmark(QStringLiteral("bench_finder"));
    const QJsonObject finder = Find(finders, QStringLiteral("FinderStepAgainstRawRead"));
    const QJsonObject frozen = Find(finders, QStringLiteral("FrozenStepAgainstFrozenRead"));
    const QJsonObject startup = QJsonDocument::fromJson(Run(QStringLiteral("bench_startup"),
                                                            {QString::number(StartupRuns)}))
                                    .object();

    const auto ns = [](const auto &medians, const char *name) {
        return Nanoseconds(medians, QLatin1String(name));
    };
    const auto figure = [&startup](const char *window, const char *name) {
        return startup[QLatin1String(window)][QLatin1String(name)].toDouble();
    };
    const int idleSeconds = startup[QLatin1String("idle_seconds")].toInt();
    const auto ticks = [idleSeconds](double value) {
        return QStringLiteral("%1 ticks in %2 s").arg(value).arg(idleSeconds);
    };
    const QString bare = QStringLiteral("bare Qt window");
    const QString bareText = QStringLiteral("bare Qt window with a line of text");
    const QString paletteFill = QStringLiteral("one fill of the palette box");
    const QString stat = QStringLiteral("one `stat` of the settings file");
    // With the difference beside the ratio, which the goal bounds.
    const auto memoryRow = [&figure](const char *window, const QString &floorIs,
                                     const QString &goal = {}) {
        const double program = figure("program", "peak_kib"), floor = figure(window, "peak_kib");
        return Row{QStringLiteral("Peak resident memory to first paint"),
                   QStringLiteral("%1 KiB").arg(program, 0, 'f', 0),
                   QStringLiteral("%1 KiB").arg(floor, 0, 'f', 0),
                   floorIs,
                   QStringLiteral("%1 (%2%3 MiB)")
                       .arg(Ratio(program, floor), program >= floor ? u"+" : u"−")
                       .arg(std::abs(program - floor) / 1024, 0, 'f', 2),
                   goal};
    };
    const std::vector<Row> rows = {
        TimeRow(QStringLiteral("Start-up to first paint"), figure("program", "ms") * 1e6,
                figure("bare", "ms") * 1e6, bare),
        TimeRow(QStringLiteral("Start-up to first paint"), figure("program", "ms") * 1e6,
                figure("bare_text", "ms") * 1e6, bareText, QStringLiteral("≤ 1.2×")),
        memoryRow("bare", bare),
        memoryRow("bare_text", bareText, QStringLiteral("≤ +2.5 MiB")),
        {QStringLiteral("Processor time while idle (%1 ticks a second)")
             .arg(startup[QLatin1String("ticks_per_second")].toInt()),
         ticks(figure("program", "idle_ticks")), ticks(figure("bare", "idle_ticks")),
         QStringLiteral("bare Qt window, idle at the same time"),
         Ratio(figure("program", "idle_ticks"), figure("bare", "idle_ticks")),
         QStringLiteral("0 ticks")},
        TimeRow(QStringLiteral("Finder step (sample, readouts, current colour)"),
                finder[QLatin1String("step_us")].toDouble() * 1e3,
                finder[QLatin1String("raw_read_us")].toDouble() * 1e3,
                QStringLiteral("one raw X image read"), QStringLiteral("≤ 1.3×")),
        TimeRow(QStringLiteral("Finder step over a screenshot, as on Wayland (pointer event, "
                               "sample, readouts, overlay)"),
                frozen[QLatin1String("step_us")].toDouble() * 1e3,
                frozen[QLatin1String("frozen_read_us")].toDouble() * 1e3,
                QStringLiteral("one read of the still picture"), QStringLiteral("≤ 1.3×")),
        TimeRow(QStringLiteral("Swatch drag over the full custom palette, one movement"),
                ns(drag, "SwatchDragMovement"), ns(drag, "SwatchDrag_Floor"), paletteFill,
                QStringLiteral("≤ 1 ms")),
        TimeRow(QStringLiteral("Custom palette redrawn during the drag"), ns(drag, "RedrawOnly"),
                ns(drag, "SwatchDrag_Floor"), paletteFill),
        TimeRow(QStringLiteral("Palette drawing, browser-safe"),
                ns(palettes, "DrawPaletteOfKind/10"), ns(palettes, "DrawPaletteOfKind_Floor"),
                paletteFill),
        TimeRow(QStringLiteral("Palette drawing, greyscale"), ns(palettes, "DrawPaletteOfKind/20"),
                ns(palettes, "DrawPaletteOfKind_Floor"), paletteFill),
        TimeRow(QStringLiteral("Palette drawing, colour names"),
                ns(palettes, "DrawPaletteOfKind/30"), ns(palettes, "DrawPaletteOfKind_Floor"),
                paletteFill),
        TimeRow(QStringLiteral("Palette drawing, system colours"),
                ns(palettes, "DrawPaletteOfKind/40"), ns(palettes, "DrawPaletteOfKind_Floor"),
                paletteFill),
        TimeRow(QStringLiteral("Palette drawing, custom (64 stored swatches)"),
                ns(palettes, "DrawPaletteOfKind/50"), ns(palettes, "DrawPaletteOfKind_Floor"),
                paletteFill),
        TimeRow(QStringLiteral("Store read, value present"), ns(settings, "GetValueHit"),
                ns(settings, "GetValue_Floor"), stat),
        TimeRow(QStringLiteral("Store read, value missing"), ns(settings, "GetValueMiss"),
                ns(settings, "GetValue_Floor"), stat),
        TimeRow(QStringLiteral("Store write, flushed to disk"),
                save[QLatin1String("save_ms")].toDouble() * 1e6,
                save[QLatin1String("plain_save_ms")].toDouble() * 1e6,
                QStringLiteral("the same bytes saved: write, `fdatasync`, `rename`"),
                QStringLiteral("≤ 1.5×")),
        TimeRow(QStringLiteral("Copy text composed (CSS, rgb)"),
                ns(settings, "ComposeCopyTextOnly"), ns(settings, "ComposeCopyTextOnly_Floor"),
                QStringLiteral("one string of the same length")),
    };

    QString report;
    const auto add = [&report](const QString &line) { report += line + u'\n'; };
    const QString buildType = QStringLiteral(BENCH_BUILD_TYPE);
    add(QStringLiteral("# Tarvo Pigmenta performance report"));
    add({});
    add(QStringLiteral("- Date: %1").arg(date.toString(QStringLiteral("yyyy-MM-dd HH:mm 'UTC'"))));
    add(QStringLiteral("- Machine: %1 cores, %2")
            .arg(std::thread::hardware_concurrency())
            .arg(LineStarting(QStringLiteral("/proc/cpuinfo"), QStringLiteral("model name\t:"))));
    add(QStringLiteral("- Load average (1, 5, 15 min): %1 at the start, %2 at the end")
            .arg(loadBefore, LoadAverage()));
    add(QStringLiteral("- Qt %1, %2 build")
            .arg(QLatin1String(qVersion()),
                 buildType.isEmpty() ? QStringLiteral("no build type") : buildType));
    add(QStringLiteral("- Run time: %1 s").arg(clock.elapsed() / 1000));
    add({});
    add(QStringLiteral(
            "**The ratios are the figures to compare.** Every floor was measured in this run "
            "beside what it bounds, so that both met the same load; the absolute figures move with "
            "the machine and its load. Times are medians of wall time over %1 repetitions of each "
            "Google Benchmark, interleaved at random with its floor's (the finder step and the "
            "store write each time their floor right after every iteration), and over %2 starts "
            "of the program and of each bare window in turn.")
            .arg(Repetitions)
            .arg(StartupRuns));
    add({});
    add(QStringLiteral("| Measured | Program | Floor | Floor is | Ratio | Goal |"));
    add(QStringLiteral("|---|---:|---:|---|---:|---|"));
    for (const Row &row : rows)
        add(QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 |")
                .arg(row.measured, row.program, row.floor, row.floorIs, row.ratio,
                     row.goal.isEmpty() ? QStringLiteral("—") : row.goal));

    add({});
    add(QStringLiteral("Floors:"));
    add({});
    for (const char *floor :
         {"*Bare Qt window*: a `QMainWindow` of the main window's size, shown and ended at its "
          "first paint, under the same private X server; *with a line of text*, the same with "
          "one `QLabel`, which brings in the fonts every window with a caption needs. For the "
          "idle figure a bare window stays open beside the program.",
          "*One raw X image read*: one `xcb_get_image` of 7 × 7 pixels on the program's own "
          "connection, a round trip to the X server, timed right after each finder step.",
          "*One read of the still picture*: the 7 × 7 pixels under the hot spot read from the "
          "screenshot a pick on Wayland goes on over, in memory, timed right after each step.",
          "*One fill of the palette box*: the box cleared, each pixel of the same picture "
          "written once and a repaint asked for, the least that drawing a palette can do; for "
          "the drag, the main window's own palette box.",
          "*One `stat` of the settings file*: a read checks the file's identity and answers "
          "from what was read before.",
          "*The same bytes saved*: the settings file's bytes written with `QSaveFile` to a new "
          "file in the same folder, flushed with `fdatasync` and renamed over a file of its own, "
          "which nobody holds open; a store write adds the lock, the sweep of strays, the fresh "
          "read before the change and the check that the new file reads back.",
          "*One string of the same length*: a `QString` as long as the copy text, copied from "
          "one already made."})
        add(QStringLiteral("- ") + QString::fromUtf8(floor));

    QFile out;
    if (argc > 1) {
        out.setFileName(QString::fromLocal8Bit(argv[1]));
        if (!out.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "bench_report: %s: %s\n", argv[1], qPrintable(out.errorString()));
            return 1;
        }
    } else {
        out.open(stdout, QIODevice::WriteOnly);
    }
    return out.write(report.toUtf8()) == report.toUtf8().size() ? 0 : 1;
}
