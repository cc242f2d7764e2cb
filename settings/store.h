#pragma once

#include "settings/backend.h"

#include <QString>
#include <QVariant>
#include <optional>

// The settings store: every read, write and delete of a setting goes through these, under
// HKEY_LOCAL_MACHINE. Nothing reports failure: a read that fails gives the caller's default, a
// write that fails changes nothing.
enum RegistryType { RegSz = 1, RegDword = 4 };

// Replaces the backend the operations below use; the first use without one takes
// DefaultSettingsBackend().
void SetSettingsBackend(std::unique_ptr<SettingsBackend> backend);

void CreateKey(const QString &path);

// Whether the key exists and can be opened.
[[nodiscard]] bool KeyExists(const QString &path);
[[nodiscard]] QVariant GetValue(const QString &path, const QString &name,
                                const QVariant &defaultValue);
void SaveValue(const QString &path, const QString &name, const QVariant &value, RegistryType type);
void DeleteValue(const QString &path, const QString &name);

[[nodiscard]] std::optional<QVariant> ReadValue(RegistryKey &key, const QString &name);
void WriteValue(RegistryKey &key, const QString &name, RegistryType type, const QVariant &value);
