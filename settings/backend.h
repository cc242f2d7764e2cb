#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>

// An open key of the registry, or of the file that stands for it; closed when destroyed.
class RegistryKey
{
public:
    virtual ~RegistryKey() = default;

    // A REG_SZ value as QString, a REG_DWORD as qint32; nothing for a missing value or a value of
    // any other type.
    virtual std::optional<QVariant> Read(const QString &name) = 0;
    // data is a QString (stored as REG_SZ) or a qint32 (REG_DWORD). Both give why the change
    // could not be made, or nothing when it was (or there was nothing to change).
    virtual QString Write(const QString &name, const QVariant &data) = 0;
    virtual QString Delete(const QString &name) = 0;
};

// Where the settings live: the part of HKEY_LOCAL_MACHINE that the program reads. Paths are
// relative to that root ("Software\Tarvo\Pigmenta R4\Settings").
class SettingsBackend
{
public:
    virtual ~SettingsBackend() = default;

    // Creates the key and its parents if they are missing; gives why it could not, or nothing.
    virtual QString CreateKey(const QString &path) = 0;
    // Null when the key does not exist or cannot be opened.
    virtual std::unique_ptr<RegistryKey> OpenKey(const QString &path) = 0;
    // Why a change finds no key to be made in, when OpenKey gave none.
    virtual QString NoKeyProblem() const = 0;
    // Makes the changes that another copy of the program kept back, waiting no longer than any
    // change does; gives why it could not, or nothing. Unstored names those still kept back.
    virtual QString StorePending() { return {}; }
    virtual QStringList Unstored() const { return {}; }
};

// The registry on Windows, the settings file everywhere else.
std::unique_ptr<SettingsBackend> DefaultSettingsBackend();
