#pragma once
// Every test gets a registry of its own, empty at the start, and a reporter that
// records the storage errors instead of showing them.
//  - File hive: a fresh configuration folder (XDG_CONFIG_HOME points into it).
//  - Windows registry: the current user's root key is redirected, for this
//    process only, to a fresh key (RegOverridePredefKey); the tests use the real
//    paths and never touch what the user has stored.

#include "HighScoreTable.h"
#include "HiveFormat.h"
#include "MainSettings.h"
#include "Registry.h"
#include "VHRegistry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#endif

class TStorageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Replaces everything stored with the keys and values of a hive text
    // (HiveFormat.h). Written without the backend under test.
    void StoreHive(const std::string& AText) const;
    // The key APath and every key below it, with all their values, as the
    // registry holds them, in the canonical form of CanonicalHiveText.
    std::string RegistryDump(const std::string& APath) const;

    // Through the backend under test.
    bool KeyExists(const std::string& APath) const;
    std::optional<TRegValue> StoredValue(const std::string& APath, const std::string& AName) const;

#if !defined(_WIN32)
    std::filesystem::path HivePath() const;
    std::string HiveText() const;
    void WriteHiveText(const std::string& AText) const;
    // The files of the hive's folder whose names start with APrefix.
    std::vector<std::filesystem::path> FilesStartingWith(const std::string& APrefix) const;

    std::filesystem::path FDir;
#endif
    std::vector<std::string> FErrors;

private:
#if defined(_WIN32)
    HKEY FRoot = nullptr;
#else
    std::string FOldXdg;
    bool FHadXdg = false;
#endif
};

// The main window's store and the high scores dialog's table as the program sets
// them up, on the current user's registry unless another one is given.
std::unique_ptr<TVHRegistry> MainStore(std::unique_ptr<IRegistry> ARegistry = nullptr);
std::unique_ptr<THighScoreTable> MainTable(std::unique_ptr<IRegistry> ARegistry = nullptr);

#if defined(_WIN32)
// The real registry, except that each key it creates is deleted at once, as if
// by another program, so that every value then written to it is refused.
std::unique_ptr<IRegistry> CreateRegistryWithVanishingKeys();
#endif

// The keys of AHive at APath and below, implicit parents included, sorted by
// path and their values by name (letter case ignored), in the hive's export
// syntax; empty when there is no such key. The order of enumeration, which the
// backends do not share, plays no part.
std::string CanonicalHiveText(const THive& AHive, const std::string& APath);

// AListed holds the names of AWritten, each once, in the registry's enumeration
// order: the file hive keeps the order of writing; Wine sorts by name and
// Windows promises no order, so there only the names are compared.
::testing::AssertionResult InEnumerationOrder(const std::vector<std::string>& AListed,
                                              const std::vector<std::string>& AWritten);

#if !defined(_WIN32)
std::string ReadText(const std::filesystem::path& AFile);
#endif

// Readable failure messages for registry values.
inline void PrintTo(const TRegValue& AValue, std::ostream* AOut) {
    *AOut << "type " << AValue.Type << " \"" << AValue.Data << "\"";
}
