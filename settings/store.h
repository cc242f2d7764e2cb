#pragma once

#include "settings/backend.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

// The settings store: every read, write and delete of a setting goes through these, under
// HKEY_LOCAL_MACHINE. A read that fails gives the caller's default; a write or delete that fails
// changes nothing, gives false and tells the save problem handler why.
enum RegistryType { RegSz = 1, RegDword = 4 };

// Replaces the backend the operations below use; the first use without one takes
// DefaultSettingsBackend().
void SetSettingsBackend(std::unique_ptr<SettingsBackend> backend);

// Told why a change of the settings could not be made (a short plain text), once for each change
// that failed; nobody is told while none is set. The main window shows it.
void SetSaveProblemHandler(std::function<void(const QString &problem)> handler);

void CreateKey(const QString &path);

// Whether the key exists and can be opened.
[[nodiscard]] bool KeyExists(const QString &path);
[[nodiscard]] QVariant GetValue(const QString &path, const QString &name,
                                const QVariant &defaultValue);
// The values of names in the key at path as GetValue gives each (null for one missing), read at
// one look at the store.
[[nodiscard]] QList<QVariant> GetValues(const QString &path, const QStringList &names);
bool SaveValue(const QString &path, const QString &name, const QVariant &value, RegistryType type);
bool DeleteValue(const QString &path, const QString &name);
// Stores the changes that another copy of the program kept from the settings (waiting as briefly as
// every change does); gives the names of those it still keeps back.
QStringList StorePendingChanges();

[[nodiscard]] std::optional<QVariant> ReadValue(RegistryKey &key, const QString &name);
bool WriteValue(RegistryKey &key, const QString &name, RegistryType type, const QVariant &value);
