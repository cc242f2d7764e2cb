#include "settings/backend.h"
#include "settings/registry_win.h"
#include "settings/strings.h"

namespace {

// The registry key with Qt's types: texts as QString (UTF-16, as the wide-character calls take
// them), numbers as qint32.
class WinRegistryKey final : public RegistryKey
{
public:
    explicit WinRegistryKey(std::unique_ptr<HklmKey> key) : m_key(std::move(key)) {}

    std::optional<QVariant> Read(const QString &name) override
    {
        const std::optional<RegistryData> data = m_key->Read(name.toStdWString());
        if (!data)
            return std::nullopt;
        if (const auto *text = std::get_if<std::wstring>(&*data))
            return QString::fromStdWString(*text);
        return QVariant(std::get<std::int32_t>(*data));
    }

    QString Write(const QString &name, const QVariant &data) override
    {
        m_key->Write(name.toStdWString(), data.typeId() == QMetaType::QString
                                              ? RegistryData(data.toString().toStdWString())
                                              : RegistryData(std::int32_t(data.toInt())));
        return {};
    }

    QString Delete(const QString &name) override
    {
        m_key->Delete(name.toStdWString());
        return {};
    }

private:
    std::unique_ptr<HklmKey> m_key;
};

class WinRegistryBackend final : public SettingsBackend
{
public:
    QString CreateKey(const QString &path) override
    {
        HklmKey::Create(path.toStdWString());
        return {};
    }

    std::unique_ptr<RegistryKey> OpenKey(const QString &path) override
    {
        std::unique_ptr<HklmKey> key = HklmKey::Open(path.toStdWString());
        if (!key)
            return nullptr;
        return std::make_unique<WinRegistryKey>(std::move(key));
    }

    QString NoKeyProblem() const override { return LoadResString(379); }
};

} // namespace

std::unique_ptr<SettingsBackend> DefaultSettingsBackend()
{
    return std::make_unique<WinRegistryBackend>();
}
