#include "settings/store.h"

#include <cmath>

namespace {

std::unique_ptr<SettingsBackend> &Backend()
{
    static std::unique_ptr<SettingsBackend> backend;
    if (!backend)
        backend = DefaultSettingsBackend();
    return backend;
}

std::function<void(const QString &)> &ProblemHandler()
{
    static std::function<void(const QString &)> handler;
    return handler;
}

// Whether a change was made, telling the handler why not.
bool Made(const QString &problem)
{
    if (!problem.isEmpty() && ProblemHandler())
        ProblemHandler()(problem);
    return problem.isEmpty();
}

// A value as REG_DWORD stores it: True is -1, a fraction goes to the nearest whole number and a
// half to the even one, and a whole number wider than 32 bits keeps its low 32 bits (0x8000000F
// arrives as a 64-bit number).
std::optional<qint32> DwordOf(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? -1 : 0;
    case QMetaType::Double:
    case QMetaType::Float: {
        // A number beyond 32 bits overflows and is not written.
        const double rounded = std::nearbyint(value.toDouble());
        if (!(rounded >= -2147483648.0 && rounded <= 4294967295.0))
            return std::nullopt;
        return static_cast<qint32>(static_cast<quint32>(static_cast<qint64>(rounded)));
    }
    default:
        bool ok = false;
        const qint64 number = value.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        return static_cast<qint32>(static_cast<quint32>(number));
    }
}

} // namespace

void SetSettingsBackend(std::unique_ptr<SettingsBackend> backend)
{
    Backend() = std::move(backend);
}

void SetSaveProblemHandler(std::function<void(const QString &problem)> handler)
{
    ProblemHandler() = std::move(handler);
}

void CreateKey(const QString &path)
{
    Made(Backend()->CreateKey(path));
}

bool KeyExists(const QString &path)
{
    return Backend()->OpenKey(path) != nullptr;
}

QVariant GetValue(const QString &path, const QString &name, const QVariant &defaultValue)
{
    const std::unique_ptr<RegistryKey> key = Backend()->OpenKey(path);
    if (!key)
        return defaultValue;
    return ReadValue(*key, name).value_or(defaultValue);
}

QList<QVariant> GetValues(const QString &path, const QStringList &names)
{
    QList<QVariant> values(names.size());
    if (const std::unique_ptr<RegistryKey> key = Backend()->OpenKey(path)) {
        for (qsizetype i = 0; i < names.size(); ++i)
            values[i] = ReadValue(*key, names[i]).value_or(QVariant());
    }
    return values;
}

bool SaveValue(const QString &path, const QString &name, const QVariant &value, RegistryType type)
{
    const std::unique_ptr<RegistryKey> key = Backend()->OpenKey(path);
    return key ? WriteValue(*key, name, type, value) : Made(Backend()->NoKeyProblem());
}

bool DeleteValue(const QString &path, const QString &name)
{
    const std::unique_ptr<RegistryKey> key = Backend()->OpenKey(path);
    return Made(key ? key->Delete(name) : Backend()->NoKeyProblem());
}

QStringList StorePendingChanges()
{
    Made(Backend()->StorePending());
    return Backend()->Unstored();
}

std::optional<QVariant> ReadValue(RegistryKey &key, const QString &name)
{
    return key.Read(name);
}

bool WriteValue(RegistryKey &key, const QString &name, RegistryType type, const QVariant &value)
{
    if (type == RegSz)
        return Made(key.Write(name, value.toString()));
    // A number that does not fit is left out, as the registry's own conversion would refuse it.
    const std::optional<qint32> number = DwordOf(value);
    return !number || Made(key.Write(name, *number));
}
