#pragma once

#include "settings/backend_file.h"
#include "settings/schema.h"

#include <QFile>

// A settings file of the test's own, as the program finds it on a first start: the keys the
// start creates and nothing else.
inline void UseFreshSettings(const QString &path)
{
    QFile::remove(path);
    SetSettingsBackend(std::make_unique<FileBackend>(path));
    CreateProgramKeys();
}
