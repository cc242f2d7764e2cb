#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <windows.h>

// A REG_SZ value's text or a REG_DWORD's number.
using RegistryData = std::variant<std::wstring, std::int32_t>;

// Query, set, create subkey, enumerate subkeys, notify and create link. The 32-bit view is the one
// the earlier release wrote its keys to, so a 64-bit build reads them where they are.
inline constexpr REGSAM HklmKeyAccess = 0x3F | KEY_WOW64_32KEY;

// An open key under HKEY_LOCAL_MACHINE, closed when destroyed; paths are relative to that root.
// Everything goes through the wide-character calls, so that letters outside the ANSI code page
// survive.
class HklmKey
{
public:
    // Creates the key and its missing parents. Failures are not reported.
    static void Create(const std::wstring &path);
    // Null when the key does not exist or cannot be opened.
    static std::unique_ptr<HklmKey> Open(const std::wstring &path);

    explicit HklmKey(HKEY key) : m_key(key) {}
    ~HklmKey() { RegCloseKey(m_key); }
    HklmKey(const HklmKey &) = delete;
    HklmKey &operator=(const HklmKey &) = delete;

    // A REG_SZ value up to its first NUL (another program may have stored it without one), a
    // REG_DWORD of four bytes; nothing for a missing value or a value of any other type.
    std::optional<RegistryData> Read(const std::wstring &name) const;
    // A text is stored as REG_SZ with its terminating NUL, a number as REG_DWORD. Failures are not
    // reported.
    void Write(const std::wstring &name, const RegistryData &data);
    void Delete(const std::wstring &name);

private:
    HKEY m_key;
};
