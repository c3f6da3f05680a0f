#include "StorageTestSupport.h"

#include "StorageErrors.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

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
