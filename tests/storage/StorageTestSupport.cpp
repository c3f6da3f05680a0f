#include "tests/storage/StorageTestSupport.h"

#include "storage/StorageErrors.h"

#include <algorithm>
#include <fstream>

namespace fs = std::filesystem;

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

void TStorageTest::SetUp() {
    FRegistry = std::make_unique<TPrivateRegistry>();
#if !defined(_WIN32)
    FDir = FRegistry->Dir();
#endif
    SetStorageErrorReporter([this](const std::string& AMessage) { FErrors.push_back(AMessage); });
}

void TStorageTest::TearDown() {
    SetStorageErrorReporter(nullptr);
    FRegistry.reset();
}

void TStorageTest::StoreHive(const std::string& AText) const {
    FRegistry->StoreHive(AText);
}

std::string TStorageTest::RegistryDump(const std::string& APath) const {
    return FRegistry->Dump(APath);
}

#if defined(_WIN32)

namespace {

class TVanishingKeys : public IRegistry {
public:
    std::unique_ptr<IRegistryKey> OpenKey(const std::string& APath) override {
        return FReal->OpenKey(APath);
    }
    std::unique_ptr<IRegistryKey> CreateKey(const std::string& APath) override {
        auto key = FReal->CreateKey(APath);
        const std::string path = NormalizeKeyPath(APath);
        const std::wstring wide = fs::path(std::u8string(path.begin(), path.end())).wstring();
        EXPECT_EQ(::RegDeleteTreeW(HKEY_CURRENT_USER, wide.c_str()), ERROR_SUCCESS);
        return key;
    }

private:
    std::unique_ptr<IRegistry> FReal = CreateCurrentUserRegistry();
};

} // namespace

std::unique_ptr<IRegistry> CreateRegistryWithVanishingKeys() {
    return std::make_unique<TVanishingKeys>();
}

#else

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

#endif
