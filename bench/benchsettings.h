#pragma once

// The settings a benchmark runs over: a file of its own in a temporary folder, holding the
// program's keys as the program makes them at its start.

#include "settings/backend_file.h"
#include "settings/schema.h"

#include <QTemporaryDir>

struct BenchSettings
{
    QTemporaryDir folder;
    QString file = folder.filePath(QStringLiteral("registry.reg"));

    BenchSettings()
    {
        SetSettingsBackend(std::make_unique<FileBackend>(file));
        CreateProgramKeys();
    }
    ~BenchSettings() { SetSettingsBackend(nullptr); }
    BenchSettings(const BenchSettings &) = delete;
    BenchSettings &operator=(const BenchSettings &) = delete;
};

// Every custom swatch stored, each a colour of its own, so that drawing the custom palette reads
// them all.
inline void StoreFullCustomPalette()
{
    for (int index = 0; index < Schema::SwatchCount; ++index)
        SaveValue(Schema::Swatch(index), index * 0x040404);
}
