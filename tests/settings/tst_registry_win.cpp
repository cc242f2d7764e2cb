// The registry layer of the Windows settings backend against a real registry: Windows itself, or
// Wine (scripts/test-windows). No Qt and no test framework, so that mingw-w64 alone builds it.
// Every case works in a key of its own below a test key unique to the process, deleted at the end.

#include "settings/registry_win.h"

#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <iterator>
#include <string>
#include <vector>

static_assert(sizeof(void *) == 8, "the view checks expect a 64-bit program");

namespace {

int g_failures = 0;

void Check(bool ok, const std::string &what)
{
    if (!ok) {
        ++g_failures;
        std::printf("  failed: %s\n", what.c_str());
    }
}

std::string Escaped(const std::wstring &text)
{
    std::string shown;
    for (const wchar_t c : text) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(c));
        shown += c >= 0x20 && c < 0x7F ? std::string(1, char(c)) : escaped;
    }
    return shown;
}

void CheckRead(const HklmKey &key, const std::wstring &name,
               const std::optional<RegistryData> &want)
{
    Check(key.Read(name) == want, Escaped(name) + " does not read as it should");
}

const std::wstring TestKey =
    L"Software\\Tarvo Pigmenta test " + std::to_wstring(GetCurrentProcessId());

// Where a 64-bit program finds a key of the 32-bit view of Software.
std::wstring Wow6432Path(const std::wstring &path)
{
    return L"Software\\Wow6432Node" + path.substr(std::wstring(L"Software").size());
}

// A value as another program stores and sees it, through the raw calls.
struct RawValue
{
    DWORD type;
    std::vector<BYTE> bytes;
    bool operator==(const RawValue &) const = default;
};

std::vector<BYTE> Bytes(const std::wstring &text, bool withNul = true)
{
    const auto *first = reinterpret_cast<const BYTE *>(text.c_str());
    return {first, first + (text.size() + (withNul ? 1 : 0)) * sizeof(wchar_t)};
}

std::vector<BYTE> Bytes(DWORD number)
{
    const auto *first = reinterpret_cast<const BYTE *>(&number);
    return {first, first + sizeof number};
}

std::optional<RawValue> RawRead(const std::wstring &path, const std::wstring &name,
                                REGSAM view = KEY_WOW64_32KEY)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE | view, &key) !=
        ERROR_SUCCESS)
        return std::nullopt;
    RawValue value{};
    DWORD size = 0;
    LONG result = RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &size);
    value.bytes.resize(size);
    if (result == ERROR_SUCCESS)
        result =
            RegQueryValueExW(key, name.c_str(), nullptr, &value.type, value.bytes.data(), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void RawWrite(const std::wstring &path, const std::wstring &name, const RawValue &value,
              REGSAM view = KEY_WOW64_32KEY)
{
    HKEY key = nullptr;
    Check(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view,
                          nullptr, &key, nullptr) == ERROR_SUCCESS,
          "create " + Escaped(path) + " through the raw calls");
    // The registry adds a NUL the size left out when one follows the data, so none follows here.
    std::vector<BYTE> padded = value.bytes;
    padded.insert(padded.end(), 4, 'x');
    Check(RegSetValueExW(key, name.c_str(), 0, value.type, padded.data(),
                         static_cast<DWORD>(value.bytes.size())) == ERROR_SUCCESS,
          "store " + Escaped(name) + " through the raw calls");
    RegCloseKey(key);
    Check(RawRead(path, name, view) == value, Escaped(name) + " is stored as given");
}

DWORD ValueCount(const std::wstring &path)
{
    HKEY key = nullptr;
    DWORD count = 0;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY,
                      &key) == ERROR_SUCCESS) {
        RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                         nullptr, nullptr, nullptr);
        RegCloseKey(key);
    }
    return count;
}

// A key of the case's own; without it the case cannot run at all.
std::unique_ptr<HklmKey> NewKey(const std::wstring &path)
{
    HklmKey::Create(path);
    std::unique_ptr<HklmKey> key = HklmKey::Open(path);
    if (!key) {
        std::printf("cannot open the new key %s\n", Escaped(path).c_str());
        std::exit(1);
    }
    return key;
}

void TypedValuesRoundTrip(const std::wstring &path)
{
    const std::unique_ptr<HklmKey> key = NewKey(path);
    const std::wstring outsideBmp = L"\xD83C\xDFA8 \xD840\xDC0B"; // U+1F3A8 and U+2000B
    const std::pair<const wchar_t *, RegistryData> rows[] = {
        {L"zero", 0},
        {L"Copy", 74},
        {L"negative", -200},
        {L"minus one", -1},
        {L"lowest", INT32_MIN},
        {L"highest", INT32_MAX},
        {L"empty", L""},
        {L"plain", L"Times New Roman"},
        {L"quotes and backslashes", L"\"C:\\path\\\" \\\\server\\share\\ \\\""},
        {L"line breaks", L"Line \"one\"\r\nLine two\nthree\r"},
        {L"beyond ASCII", L"Größe ñ 日本"},
        {L"beyond the BMP", outsideBmp},
        {L"long", std::wstring(3000, L'x')},
    };
    for (const auto &[name, data] : rows) {
        key->Write(name, data);
        CheckRead(*key, name, data);
        // As the earlier release and the registry editor store them.
        const auto *text = std::get_if<std::wstring>(&data);
        const RawValue raw = text ? RawValue{REG_SZ, Bytes(*text)}
                                  : RawValue{REG_DWORD, Bytes(DWORD(std::get<std::int32_t>(data)))};
        Check(RawRead(path, name) == raw, Escaped(name) + " is stored as another program expects");
    }
}

void ValuesStoredByOthers(const std::wstring &path)
{
    const std::unique_ptr<HklmKey> key = NewKey(path);
    const struct
    {
        const wchar_t *name;
        RawValue raw;
        std::optional<RegistryData> read;
    } rows[] = {
        {L"all bits", {REG_DWORD, Bytes(0xFFFFFFFF)}, -1},
        {L"system colour", {REG_DWORD, Bytes(0x8000000F)}, std::int32_t(0x8000000F)},
        {L"no NUL", {REG_SZ, Bytes(L"Arial", false)}, L"Arial"},
        {L"empty, no NUL", {REG_SZ, {}}, L""},
        {L"after the NUL", {REG_SZ, Bytes(std::wstring(L"abc\0def", 7))}, L"abc"},
        {L"odd size", {REG_SZ, {'a', 0, 'b', 0, 'c'}}, L"ab"},
        {L"expand", {REG_EXPAND_SZ, Bytes(L"%SystemRoot%")}, std::nullopt},
        {L"multi", {REG_MULTI_SZ, Bytes(std::wstring(L"a\0b\0", 4))}, std::nullopt},
        {L"binary", {REG_BINARY, {1, 2, 3, 4}}, std::nullopt},
        {L"qword", {REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}}, std::nullopt},
        {L"short dword", {REG_DWORD, {0x4a, 0}}, std::nullopt},
        {L"big-endian dword", {REG_DWORD_BIG_ENDIAN, Bytes(0x4a)}, std::nullopt},
    };
    for (const auto &row : rows) {
        RawWrite(path, row.name, row.raw);
        CheckRead(*key, row.name, row.read);
    }
    key->Write(L"Copy", 10);
    for (const auto &row : rows)
        Check(RawRead(path, row.name) == row.raw, Escaped(row.name) + " is kept as it was");
}

void NamesAndPathsIgnoreCase(const std::wstring &path)
{
    HklmKey::Create(path + L"\\Settings");
    std::wstring upper = path + L"\\SETTINGS";
    for (wchar_t &c : upper)
        c = towupper(c);
    const std::unique_ptr<HklmKey> key = HklmKey::Open(upper);
    Check(key != nullptr, "open " + Escaped(upper));
    if (!key)
        return;
    const std::pair<const wchar_t *, const wchar_t *> rows[] = {
        {L"Copy", L"COPY"}, {L"Font Name", L"font name"}, {L"Größe", L"GRÖßE"}};
    for (const auto &[written, again] : rows) {
        key->Write(written, 1);
        key->Write(again, 2);
        CheckRead(*key, written, 2);
    }
    Check(ValueCount(path + L"\\Settings") == std::size(rows), "one value for each name");
}

void KeysAndParents(const std::wstring &path)
{
    Check(!HklmKey::Open(path), "a missing key does not open");
    HklmKey::Create(path + L"\\A\\B\\C");
    const std::pair<const wchar_t *, bool> rows[] = {{L"", true},
                                                     {L"\\A", true},
                                                     {L"\\A\\B\\C", true},
                                                     {L"\\A\\X", false},
                                                     {L"\\A\\B\\C\\D", false}};
    for (const auto &[below, exists] : rows)
        Check((HklmKey::Open(path + below) != nullptr) == exists,
              Escaped(path + below) + (exists ? " is missing" : " exists"));

    if (const auto key = HklmKey::Open(path + L"\\A"))
        key->Write(L"Keep", 1);
    HklmKey::Create(path + L"\\A");
    if (const auto key = HklmKey::Open(path + L"\\A"))
        CheckRead(*key, L"Keep", 1);
}

void DeleteOneValue(const std::wstring &path)
{
    const std::unique_ptr<HklmKey> key = NewKey(path);
    const RawValue unknown{REG_BINARY, {9, 8, 7}};
    RawWrite(path, L"Unknown", unknown);
    key->Write(L"5", 0x123456);
    key->Write(L"6", L"six");
    key->Delete(L"5");
    CheckRead(*key, L"5", std::nullopt);
    CheckRead(*key, L"6", L"six");
    key->Delete(L"5");
    key->Delete(L"missing");
    CheckRead(*key, L"6", L"six");
    Check(RawRead(path, L"Unknown") == unknown, "an unknown value is left alone");
    Check(ValueCount(path) == 2, "two values are left");
}

// A 64-bit program sees the 32-bit view of HKEY_LOCAL_MACHINE\Software under Wow6432Node.
void ThirtyTwoBitView(const std::wstring &path)
{
    const std::unique_ptr<HklmKey> key = NewKey(path);
    key->Write(L"Copy", 74);
    const struct
    {
        const char *where;
        std::wstring path;
        REGSAM view;
        bool seen;
    } rows[] = {
        {"in the 32-bit view", path, KEY_WOW64_32KEY, true},
        {"under Wow6432Node", Wow6432Path(path), 0, true},
        {"in the 64-bit view", path, KEY_WOW64_64KEY, false},
        {"in the default view", path, 0, false},
    };
    for (const auto &row : rows)
        Check(RawRead(row.path, L"Copy", row.view).has_value() == row.seen,
              std::string("a value written is ") + (row.seen ? "not " : "") + "seen " + row.where);

    // What the earlier, 32-bit release wrote.
    RawWrite(Wow6432Path(path), L"Colour1", {REG_DWORD, Bytes(0xFF)}, 0);
    CheckRead(*key, L"Colour1", 0xFF);
}

// In both views, so that a run that wrote to the wrong one leaves nothing behind either.
void DeleteTestKey()
{
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        HKEY software = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software", 0, KEY_ALL_ACCESS | view, &software) !=
            ERROR_SUCCESS)
            continue;
        RegDeleteTreeW(software, TestKey.substr(std::wstring(L"Software\\").size()).c_str());
        RegCloseKey(software);
    }
}

} // namespace

int main()
{
    const struct
    {
        const char *name;
        void (*run)(const std::wstring &path);
    } cases[] = {
        {"typed values round-trip", TypedValuesRoundTrip},
        {"values stored by other programs", ValuesStoredByOthers},
        {"names and paths ignore case", NamesAndPathsIgnoreCase},
        {"keys and their parents", KeysAndParents},
        {"delete one value", DeleteOneValue},
        {"the 32-bit view", ThirtyTwoBitView},
    };
    DeleteTestKey(); // left by an earlier run in the same process id
    int number = 0;
    for (const auto &test : cases) {
        std::printf("%s\n", test.name);
        test.run(TestKey + L"\\" + std::to_wstring(++number));
    }
    DeleteTestKey();
    Check(!HklmKey::Open(TestKey), "the test key is deleted");
    std::printf("%d failed checks\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
