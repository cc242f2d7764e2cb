#include "settings/backend.h"

#include <windows.h>

namespace {

// Query, set, create subkey, enumerate subkeys, notify and create link. The 32-bit view is the one
// the earlier release wrote its keys to, so a 64-bit build reads them where they are.
constexpr REGSAM KeyAccess = 0x3F | KEY_WOW64_32KEY;

const wchar_t *Wide(const QString &text)
{
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

// Texts go through the wide-character calls, so that letters outside the ANSI code page survive.
class WinRegistryKey final : public RegistryKey
{
public:
    explicit WinRegistryKey(HKEY key) : m_key(key) {}
    ~WinRegistryKey() override { RegCloseKey(m_key); }
    WinRegistryKey(const WinRegistryKey &) = delete;
    WinRegistryKey &operator=(const WinRegistryKey &) = delete;

    std::optional<QVariant> Read(const QString &name) override
    {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(m_key, Wide(name), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        if (type == REG_SZ) {
            QByteArray buffer(size, '\0');
            if (RegQueryValueExW(m_key, Wide(name), nullptr, &type,
                                 reinterpret_cast<BYTE *>(buffer.data()), &size) != ERROR_SUCCESS ||
                type != REG_SZ)
                return std::nullopt;
            QString text(reinterpret_cast<const QChar *>(buffer.constData()), size / 2);
            const qsizetype nul = text.indexOf(QChar(0));
            return nul < 0 ? text : text.left(nul);
        }
        if (type == REG_DWORD) {
            DWORD number = 0;
            size = sizeof number;
            if (RegQueryValueExW(m_key, Wide(name), nullptr, &type,
                                 reinterpret_cast<BYTE *>(&number), &size) != ERROR_SUCCESS ||
                type != REG_DWORD)
                return std::nullopt;
            return static_cast<qint32>(number);
        }
        return std::nullopt;
    }

    void Write(const QString &name, const QVariant &data) override
    {
        if (data.typeId() == QMetaType::QString) {
            const QString text = data.toString();
            RegSetValueExW(m_key, Wide(name), 0, REG_SZ, reinterpret_cast<const BYTE *>(Wide(text)),
                           DWORD((text.size() + 1) * sizeof(wchar_t)));
        } else {
            const DWORD number = static_cast<DWORD>(data.toInt());
            RegSetValueExW(m_key, Wide(name), 0, REG_DWORD, reinterpret_cast<const BYTE *>(&number),
                           sizeof number);
        }
    }

    void Delete(const QString &name) override { RegDeleteValueW(m_key, Wide(name)); }

private:
    HKEY m_key;
};

class WinRegistryBackend final : public SettingsBackend
{
public:
    void CreateKey(const QString &path) override
    {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, Wide(path), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KeyAccess, nullptr, &key, nullptr) == ERROR_SUCCESS)
            RegCloseKey(key);
    }

    std::unique_ptr<RegistryKey> OpenKey(const QString &path) override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(path), 0, KeyAccess, &key) != ERROR_SUCCESS)
            return nullptr;
        return std::make_unique<WinRegistryKey>(key);
    }
};

} // namespace

std::unique_ptr<SettingsBackend> DefaultSettingsBackend()
{
    return std::make_unique<WinRegistryBackend>();
}
