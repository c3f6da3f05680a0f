#include "tests/support/PrivateRegistry.h"

#include "storage/HiveFormat.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string AText) {
    for (char& c : AText)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return AText;
}

bool IsAtOrBelow(const std::string& APath, const std::string& ABase) {
    if (ABase.empty())
        return true;
    return SameRegistryName(APath, ABase) ||
           (APath.size() > ABase.size() && APath[ABase.size()] == '\\' &&
            SameRegistryName(std::string_view(APath).substr(0, ABase.size()), ABase));
}

[[noreturn]] void Fail(const std::string& AWhat) {
    throw std::runtime_error("private registry: " + AWhat);
}

THive ParsedHive(const std::string& AText) {
    THive hive;
    std::string why;
    if (!ParseHive(AText, hive, why))
        Fail("not a hive: " + why);
    return hive;
}

} // namespace

std::string CanonicalHiveText(const THive& AHive, const std::string& APath) {
    const std::string base = NormalizeKeyPath(APath);
    THive canonical;
    for (const THiveKey& key : AHive.Keys) {
        if (!IsAtOrBelow(key.Path, base))
            continue;
        // The parents between APath and the key exist too, APath included.
        for (std::size_t end = key.Path.find('\\', base.size()); end != std::string::npos;
             end = key.Path.find('\\', end + 1))
            AddHiveKey(canonical, key.Path.substr(0, end));
        THiveKey& copy = AddHiveKey(canonical, key.Path);
        for (const THiveValue& value : key.Values)
            SetHiveValue(copy, value.Name, value.Value);
    }
    if (canonical.Keys.empty())
        return {};
    std::sort(canonical.Keys.begin(), canonical.Keys.end(),
              [](const THiveKey& A, const THiveKey& B) { return Lower(A.Path) < Lower(B.Path); });
    for (THiveKey& key : canonical.Keys)
        std::sort(
            key.Values.begin(), key.Values.end(),
            [](const THiveValue& A, const THiveValue& B) { return Lower(A.Name) < Lower(B.Name); });
    return FormatHive(canonical);
}

std::string ReadText(const fs::path& AFile) {
    std::ifstream in(AFile, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

#if defined(_WIN32)

namespace {

std::wstring Wide(const std::string& AText) {
    const int count =
        ::MultiByteToWideChar(CP_UTF8, 0, AText.data(), static_cast<int>(AText.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(count), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, AText.data(), static_cast<int>(AText.size()), wide.data(),
                          count);
    return wide;
}

std::string Utf8(const std::wstring& AText) {
    const int count = ::WideCharToMultiByte(
        CP_UTF8, 0, AText.data(), static_cast<int>(AText.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(count), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, AText.data(), static_cast<int>(AText.size()), text.data(),
                          count, nullptr, nullptr);
    return text;
}

std::wstring TestRootName() {
    return L"Software\\TolmirTest-" + std::to_wstring(::GetCurrentProcessId());
}

void Check(LSTATUS AStatus, const std::string& AWhat) {
    if (AStatus != ERROR_SUCCESS)
        Fail(AWhat + " failed with error " + std::to_string(AStatus));
}

// A text value as UTF-8 when its data is UTF-16 with one terminator at the end;
// anything else keeps its raw bytes, so that a comparison shows it.
std::string DumpData(DWORD AType, const std::vector<BYTE>& AData) {
    const std::string raw(AData.begin(), AData.end());
    if (AType != REG_SZ && AType != REG_EXPAND_SZ)
        return raw;
    if (AData.size() % 2 != 0 || AData.size() < 2 || AData[AData.size() - 1] != 0 ||
        AData[AData.size() - 2] != 0)
        return raw;
    std::wstring text(AData.size() / 2 - 1, L'\0');
    std::copy_n(AData.data(), text.size() * 2, reinterpret_cast<BYTE*>(text.data()));
    return Utf8(text);
}

void DumpKey(HKEY AKey, const std::string& APath, THive& AHive) {
    DWORD subKeys = 0, longestSubKey = 0, values = 0, longestName = 0, longestData = 0;
    Check(::RegQueryInfoKeyW(AKey, nullptr, nullptr, nullptr, &subKeys, &longestSubKey, nullptr,
                             &values, &longestName, &longestData, nullptr, nullptr),
          "reading the key " + APath);
    THiveKey& key = AddHiveKey(AHive, APath);
    std::vector<wchar_t> name(std::max(longestName, longestSubKey) + 1);
    std::vector<BYTE> data(longestData + 1);
    for (DWORD i = 0; i < values; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        Check(
            ::RegEnumValueW(AKey, i, name.data(), &nameLength, nullptr, &type, data.data(), &size),
            "listing the values of " + APath);
        key.Values.push_back({Utf8(std::wstring(name.data(), nameLength)),
                              {type, DumpData(type, {data.begin(), data.begin() + size})}});
    }
    for (DWORD i = 0; i < subKeys; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        Check(
            ::RegEnumKeyExW(AKey, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr),
            "listing the keys below " + APath);
        const std::wstring subName(name.data(), nameLength);
        HKEY sub = nullptr;
        Check(::RegOpenKeyExW(AKey, subName.c_str(), 0, KEY_READ, &sub), "opening a key");
        const std::string subPath = (APath.empty() ? "" : APath + '\\') + Utf8(subName);
        DumpKey(sub, subPath, AHive);
        ::RegCloseKey(sub);
    }
}

} // namespace

TPrivateRegistry::TPrivateRegistry() {
    Check(::RegCreateKeyExW(HKEY_CURRENT_USER, TestRootName().c_str(), 0, nullptr,
                            REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &FRoot, nullptr),
          "creating the test root");
    ::RegDeleteTreeW(FRoot, nullptr); // left over by a test that crashed
    Check(::RegOverridePredefKey(HKEY_CURRENT_USER, FRoot), "redirecting the current user's key");
}

TPrivateRegistry::~TPrivateRegistry() {
    ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    ::RegDeleteTreeW(FRoot, nullptr);
    ::RegCloseKey(FRoot);
    ::RegDeleteKeyW(HKEY_CURRENT_USER, TestRootName().c_str());
}

void TPrivateRegistry::StoreHive(const std::string& AText) const {
    const THive hive = ParsedHive(AText);
    Check(::RegDeleteTreeW(FRoot, nullptr), "emptying the test root");
    for (const THiveKey& key : hive.Keys) {
        HKEY handle = nullptr;
        Check(::RegCreateKeyExW(FRoot, Wide(key.Path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &handle, nullptr),
              "creating " + key.Path);
        for (const THiveValue& value : key.Values) {
            std::string data = value.Value.Data;
            if (value.Value.Type == REG_SZ || value.Value.Type == REG_EXPAND_SZ) {
                const std::wstring text = Wide(data) + L'\0';
                data.assign(reinterpret_cast<const char*>(text.data()), text.size() * 2);
            }
            const LSTATUS status = ::RegSetValueExW(
                handle, Wide(value.Name).c_str(), 0, value.Value.Type,
                reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
            if (status != ERROR_SUCCESS) {
                ::RegCloseKey(handle);
                Check(status, "writing " + value.Name);
            }
        }
        ::RegCloseKey(handle);
    }
}

std::string TPrivateRegistry::Dump(const std::string& APath) const {
    const std::string path = NormalizeKeyPath(APath);
    HKEY key = nullptr;
    if (::RegOpenKeyExW(FRoot, Wide(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return {};
    THive hive;
    try {
        DumpKey(key, path, hive);
    } catch (...) {
        ::RegCloseKey(key);
        throw;
    }
    ::RegCloseKey(key);
    return CanonicalHiveText(hive, path);
}

bool TPrivateRegistry::StoresAnyValue() const {
    THive hive;
    DumpKey(FRoot, "", hive);
    return std::any_of(hive.Keys.begin(), hive.Keys.end(),
                       [](const THiveKey& AKey) { return !AKey.Values.empty(); });
}

#else

TPrivateRegistry::TPrivateRegistry() {
    std::string pattern = (fs::temp_directory_path() / "tolmir-registry-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        Fail("no temporary folder");
    FDir = pattern;
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) {
        FHadXdg = true;
        FOldXdg = old;
    }
    ::setenv("XDG_CONFIG_HOME", FDir.c_str(), 1);
}

TPrivateRegistry::~TPrivateRegistry() {
    if (FHadXdg)
        ::setenv("XDG_CONFIG_HOME", FOldXdg.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    std::error_code ignored;
    fs::remove_all(FDir, ignored);
}

void TPrivateRegistry::StoreHive(const std::string& AText) const {
    ParsedHive(AText);
    std::error_code error;
    fs::create_directories(HivePath().parent_path(), error);
    std::ofstream out(HivePath(), std::ios::binary | std::ios::trunc);
    out << AText;
    if (error || !out.flush())
        Fail("cannot write " + HivePath().string());
}

std::string TPrivateRegistry::Dump(const std::string& APath) const {
    if (!fs::exists(HivePath()))
        return {};
    return CanonicalHiveText(ParsedHive(ReadText(HivePath())), APath);
}

bool TPrivateRegistry::StoresAnyValue() const {
    return fs::exists(HivePath());
}

#endif
