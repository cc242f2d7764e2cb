#include "settings/registry_win.h"

void HklmKey::Create(const std::wstring &path)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        HklmKeyAccess, nullptr, &key, nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
}

std::unique_ptr<HklmKey> HklmKey::Open(const std::wstring &path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, HklmKeyAccess, &key) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<HklmKey>(key);
}

std::optional<RegistryData> HklmKey::Read(const std::wstring &name) const
{
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(m_key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (type == REG_SZ) {
        // Rounded up, so that an odd byte count fits too.
        std::wstring text((size + 1) / sizeof(wchar_t), L'\0');
        size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        if (RegQueryValueExW(m_key, name.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE *>(text.data()), &size) != ERROR_SUCCESS ||
            type != REG_SZ)
            return std::nullopt;
        text.resize(size / sizeof(wchar_t));
        return text.substr(0, text.find(L'\0'));
    }
    if (type == REG_DWORD) {
        DWORD number = 0;
        size = sizeof number;
        if (RegQueryValueExW(m_key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE *>(&number),
                             &size) != ERROR_SUCCESS ||
            type != REG_DWORD || size != sizeof number)
            return std::nullopt;
        return static_cast<std::int32_t>(number);
    }
    return std::nullopt;
}

void HklmKey::Write(const std::wstring &name, const RegistryData &data)
{
    if (const auto *text = std::get_if<std::wstring>(&data)) {
        RegSetValueExW(m_key, name.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE *>(text->c_str()),
                       static_cast<DWORD>((text->size() + 1) * sizeof(wchar_t)));
    } else {
        const DWORD number = static_cast<DWORD>(std::get<std::int32_t>(data));
        RegSetValueExW(m_key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE *>(&number),
                       sizeof number);
    }
}

void HklmKey::Delete(const std::wstring &name)
{
    RegDeleteValueW(m_key, name.c_str());
}
