#pragma once
// A fresh configuration folder per test (XDG_CONFIG_HOME points into it) and a
// reporter that records the storage errors instead of showing them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class TStorageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path HivePath() const;
    std::string HiveText() const;
    void WriteHiveText(const std::string& AText) const;
    // The files of the hive's folder whose names start with APrefix.
    std::vector<std::filesystem::path> FilesStartingWith(const std::string& APrefix) const;

    std::filesystem::path FDir;
    std::vector<std::string> FErrors;

private:
    std::string FOldXdg;
    bool FHadXdg = false;
};

std::string ReadText(const std::filesystem::path& AFile);

#include "Registry.h"

#include <ostream>

// Readable failure messages for registry values.
inline void PrintTo(const TRegValue& AValue, std::ostream* AOut) {
    *AOut << "type " << AValue.Type << " \"" << AValue.Data << "\"";
}
