// The settings store and the copy text, each beside the floor it cannot beat on this machine:
//   build/bench/bench_settings --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include "benchsettings.h"
#include "core/copytext.h"

#include <QSaveFile>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <sys/stat.h>
#include <vector>

namespace {

// A settings file as a user has it after a while: every key, every setting and a full custom
// palette.
struct FullStore : BenchSettings
{
    FullStore()
    {
        const SettingsValue *const values[] = {&Schema::Copy, &Schema::View, &Schema::Palette,
                                               &Schema::FontName, &Schema::FontText};
        for (const SettingsValue *value : values)
            SaveValue(*value, GetValue(*value));
        StoreFullCustomPalette();
    }
};

// One store for every benchmark and repetition, since each value stored is flushed to disk and
// making the store takes a while.
const FullStore &Store()
{
    static const FullStore store;
    return store;
}

void GetValueHit(benchmark::State &state)
{
    Store();
    int index = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(GetValue(Schema::Swatch(index++ % Schema::SwatchCount)));
}
BENCHMARK(GetValueHit);

void GetValueMiss(benchmark::State &state)
{
    Store();
    const SettingsValue missing = Schema::OldCustomColour(1);
    const SettingsValue absentName{Schema::ColoursKey, QStringLiteral("64"), RegDword, -1};
    bool key = false;
    for (auto _ : state)
        benchmark::DoNotOptimize(GetValue((key = !key) ? absentName : missing));
}
BENCHMARK(GetValueMiss);

// The floor of every read: one look at the file's identity.
void GetValue_Floor(benchmark::State &state)
{
    const QByteArray path = Store().file.toLocal8Bit();
    struct stat info;
    for (auto _ : state)
        benchmark::DoNotOptimize(::stat(path.constData(), &info));
}
BENCHMARK(GetValue_Floor);

double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Each iteration stores one value and then, as the floor of every write, saves the same bytes
// plainly to a new file in the same folder, flushed and renamed over a file of its own, so that
// both meet the same disk: on a shared machine a flush takes anything from a tenth of a
// millisecond to ten. Renamed over the settings file, which the store keeps open, the file it
// replaced would be freed only when the store lets it go, at the store's cost. The counters are
// the medians and their ratio.
void SaveValueAgainstPlainSave(benchmark::State &state)
{
    using Clock = std::chrono::steady_clock;
    const QString &file = Store().file;
    const QString plainFile = Store().folder.filePath(QStringLiteral("plain.reg"));
    QFile current(file);
    current.open(QIODevice::ReadOnly);
    const QByteArray bytes = current.readAll();
    // Counted on across repetitions, so that every save changes the stored value.
    static int colour = 0;
    std::vector<double> saves, plainSaves;
    for (auto _ : state) {
        const auto start = Clock::now();
        ++colour;
        SaveValue(Schema::Swatch(colour % Schema::SwatchCount), colour);
        const auto saved = Clock::now();
        QSaveFile out(plainFile);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        out.commit();
        const auto plainSaved = Clock::now();
        saves.push_back(std::chrono::duration<double, std::milli>(saved - start).count());
        plainSaves.push_back(std::chrono::duration<double, std::milli>(plainSaved - saved).count());
    }
    const double save = Median(saves), plainSave = Median(plainSaves);
    state.counters["save_ms"] = save;
    state.counters["plain_save_ms"] = plainSave;
    state.counters["ratio"] = save / plainSave;
}
BENCHMARK(SaveValueAgainstPlainSave)->Iterations(100)->Unit(benchmark::kMillisecond);

CopyOptions CssOptions()
{
    CopyOptions options;
    options.copyFlags = Quotes | PoundSign | Lowercase | IncludeTag;
    options.tagKind = Css;
    options.cssProperty = 2;
    options.rgbMode = EightBit;
    options.precision = 3;
    return options;
}

void ComposeCopyTextOnly(benchmark::State &state)
{
    const CopyOptions options = CssOptions();
    ColourValue colour = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComposeCopyText(colour, FinderCopy, TrueColourKind, options, {}));
        colour = (colour + 0x010203) & 0xFFFFFF;
    }
}
BENCHMARK(ComposeCopyTextOnly);

// The floor of composing: one new string as long as the text composed.
void ComposeCopyTextOnly_Floor(benchmark::State &state)
{
    const QString text = ComposeCopyText(0x336699, FinderCopy, TrueColourKind, CssOptions(), {});
    for (auto _ : state)
        benchmark::DoNotOptimize(QString(text.constData(), text.size()));
}
BENCHMARK(ComposeCopyTextOnly_Floor);

} // namespace

BENCHMARK_MAIN();
