#include "StorageTestSupport.h"

#include "StorageErrors.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

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

::testing::AssertionResult InEnumerationOrder(const std::vector<std::string>& AListed,
                                              const std::vector<std::string>& AWritten) {
    std::vector<std::string> listed = AListed;
    std::vector<std::string> written = AWritten;
#if defined(_WIN32)
    std::sort(listed.begin(), listed.end());
    std::sort(written.begin(), written.end());
#endif
    if (listed == written)
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure() << "listed:";
    for (const std::string& name : AListed)
        failure << " \"" << name << '"';
    failure << "\nwritten:";
    for (const std::string& name : AWritten)
        failure << " \"" << name << '"';
    return failure;
}

std::unique_ptr<TVHRegistry> MainStore(std::unique_ptr<IRegistry> ARegistry) {
    auto store = ARegistry
                     ? std::make_unique<TVHRegistry>("frmMain", "VHRegistry1", std::move(ARegistry))
                     : std::make_unique<TVHRegistry>("frmMain", "VHRegistry1");
    AddMainSettings(*store);
    store->SetRegKeyAppName("Tolmir");
    store->SetRegKeyCompany("Varnholt");
    return store;
}

std::unique_ptr<THighScoreTable> MainTable(std::unique_ptr<IRegistry> ARegistry) {
    auto table = ARegistry ? std::make_unique<THighScoreTable>(std::move(ARegistry))
                           : std::make_unique<THighScoreTable>();
    table->SetRegKeyCompany("Varnholt");
    table->SetRegKeyAppName("Tolmir");
    return table;
}

bool TStorageTest::KeyExists(const std::string& APath) const {
    return CreateCurrentUserRegistry()->OpenKey(APath) != nullptr;
}

std::optional<TRegValue> TStorageTest::StoredValue(const std::string& APath,
                                                   const std::string& AName) const {
    auto key = CreateCurrentUserRegistry()->OpenKey(APath);
    if (!key)
        return std::nullopt;
    return key->QueryValue(AName);
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
    ASSERT_EQ(::RegQueryInfoKeyW(AKey, nullptr, nullptr, nullptr, &subKeys, &longestSubKey, nullptr,
                                 &values, &longestName, &longestData, nullptr, nullptr),
              ERROR_SUCCESS);
    THiveKey& key = AddHiveKey(AHive, APath);
    std::vector<wchar_t> name(std::max(longestName, longestSubKey) + 1);
    std::vector<BYTE> data(longestData + 1);
    for (DWORD i = 0; i < values; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        ASSERT_EQ(
            ::RegEnumValueW(AKey, i, name.data(), &nameLength, nullptr, &type, data.data(), &size),
            ERROR_SUCCESS);
        key.Values.push_back({Utf8(std::wstring(name.data(), nameLength)),
                              {type, DumpData(type, {data.begin(), data.begin() + size})}});
    }
    for (DWORD i = 0; i < subKeys; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        ASSERT_EQ(
            ::RegEnumKeyExW(AKey, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
        const std::wstring subName(name.data(), nameLength);
        HKEY sub = nullptr;
        ASSERT_EQ(::RegOpenKeyExW(AKey, subName.c_str(), 0, KEY_READ, &sub), ERROR_SUCCESS);
        DumpKey(sub, APath + '\\' + Utf8(subName), AHive);
        ::RegCloseKey(sub);
    }
}

class TVanishingKeys : public IRegistry {
public:
    std::unique_ptr<IRegistryKey> OpenKey(const std::string& APath) override {
        return FReal->OpenKey(APath);
    }
    std::unique_ptr<IRegistryKey> CreateKey(const std::string& APath) override {
        auto key = FReal->CreateKey(APath);
        const std::wstring path = Wide(NormalizeKeyPath(APath));
        EXPECT_EQ(::RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str()), ERROR_SUCCESS);
        return key;
    }

private:
    std::unique_ptr<IRegistry> FReal = CreateCurrentUserRegistry();
};

} // namespace

std::unique_ptr<IRegistry> CreateRegistryWithVanishingKeys() {
    return std::make_unique<TVanishingKeys>();
}

void TStorageTest::SetUp() {
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, TestRootName().c_str(), 0, nullptr,
                                REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &FRoot, nullptr),
              ERROR_SUCCESS);
    ::RegDeleteTreeW(FRoot, nullptr); // left over by a test that crashed
    ASSERT_EQ(::RegOverridePredefKey(HKEY_CURRENT_USER, FRoot), ERROR_SUCCESS);
    SetStorageErrorReporter([this](const std::string& AMessage) { FErrors.push_back(AMessage); });
}

void TStorageTest::TearDown() {
    SetStorageErrorReporter(nullptr);
    ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    if (FRoot != nullptr) {
        ::RegDeleteTreeW(FRoot, nullptr);
        ::RegCloseKey(FRoot);
        ::RegDeleteKeyW(HKEY_CURRENT_USER, TestRootName().c_str());
    }
}

void TStorageTest::StoreHive(const std::string& AText) const {
    THive hive;
    std::string why;
    ASSERT_TRUE(ParseHive(AText, hive, why)) << why;
    ASSERT_EQ(::RegDeleteTreeW(FRoot, nullptr), ERROR_SUCCESS);
    for (const THiveKey& key : hive.Keys) {
        HKEY handle = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(FRoot, Wide(key.Path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                    nullptr, &handle, nullptr),
                  ERROR_SUCCESS)
            << key.Path;
        for (const THiveValue& value : key.Values) {
            std::string data = value.Value.Data;
            if (value.Value.Type == REG_SZ || value.Value.Type == REG_EXPAND_SZ) {
                const std::wstring text = Wide(data) + L'\0';
                data.assign(reinterpret_cast<const char*>(text.data()), text.size() * 2);
            }
            EXPECT_EQ(::RegSetValueExW(handle, Wide(value.Name).c_str(), 0, value.Value.Type,
                                       reinterpret_cast<const BYTE*>(data.data()),
                                       static_cast<DWORD>(data.size())),
                      ERROR_SUCCESS)
                << value.Name;
        }
        ::RegCloseKey(handle);
    }
}

std::string TStorageTest::RegistryDump(const std::string& APath) const {
    const std::string path = NormalizeKeyPath(APath);
    HKEY key = nullptr;
    if (::RegOpenKeyExW(FRoot, Wide(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return {};
    THive hive;
    DumpKey(key, path, hive);
    ::RegCloseKey(key);
    return CanonicalHiveText(hive, path);
}

#else

void TStorageTest::SetUp() {
    std::string pattern = (fs::temp_directory_path() / "tolmir-storage-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    FDir = pattern;
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) {
        FHadXdg = true;
        FOldXdg = old;
    }
    ::setenv("XDG_CONFIG_HOME", FDir.c_str(), 1);
    SetStorageErrorReporter([this](const std::string& AMessage) { FErrors.push_back(AMessage); });
}

void TStorageTest::TearDown() {
    SetStorageErrorReporter(nullptr);
    if (FHadXdg)
        ::setenv("XDG_CONFIG_HOME", FOldXdg.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    std::error_code ignored;
    fs::remove_all(FDir, ignored);
}

void TStorageTest::StoreHive(const std::string& AText) const {
    WriteHiveText(AText);
}

std::string TStorageTest::RegistryDump(const std::string& APath) const {
    THive hive;
    std::string why;
    if (fs::exists(HivePath())) {
        EXPECT_TRUE(ParseHive(HiveText(), hive, why)) << why;
    }
    return CanonicalHiveText(hive, APath);
}

fs::path TStorageTest::HivePath() const {
    return FDir / "Varnholt" / "Tolmir.reg";
}

std::string TStorageTest::HiveText() const {
    return ReadText(HivePath());
}

void TStorageTest::WriteHiveText(const std::string& AText) const {
    fs::create_directories(HivePath().parent_path());
    std::ofstream(HivePath(), std::ios::binary) << AText;
}

std::vector<fs::path> TStorageTest::FilesStartingWith(const std::string& APrefix) const {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(HivePath().parent_path()))
        if (entry.path().filename().string().rfind(APrefix, 0) == 0)
            files.push_back(entry.path());
    return files;
}

std::string ReadText(const fs::path& AFile) {
    std::ifstream in(AFile, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

#endif
