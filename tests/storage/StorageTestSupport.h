#pragma once
// Every test gets a registry of its own (PrivateRegistry.h), empty at the start,
// and a reporter that records the storage errors instead of showing them.

#include "storage/HighScoreTable.h"
#include "storage/HiveFormat.h"
#include "storage/MainSettings.h"
#include "storage/Registry.h"
#include "storage/VHRegistry.h"
#include "tests/support/PrivateRegistry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

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
    std::filesystem::path HivePath() const {
        return FRegistry->HivePath();
    }
    std::string HiveText() const {
        return ReadText(HivePath());
    }
    void WriteHiveText(const std::string& AText) const;
    // The files of the hive's folder whose names start with APrefix.
    std::vector<std::filesystem::path> FilesStartingWith(const std::string& APrefix) const;

    std::filesystem::path FDir;
#endif
    std::vector<std::string> FErrors;

private:
    std::unique_ptr<TPrivateRegistry> FRegistry;
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

// AListed holds the names of AWritten, each once, in the registry's enumeration
// order: the file hive keeps the order of writing; Wine sorts by name and
// Windows promises no order, so there only the names are compared.
::testing::AssertionResult InEnumerationOrder(const std::vector<std::string>& AListed,
                                              const std::vector<std::string>& AWritten);

// Readable failure messages for registry values.
inline void PrintTo(const TRegValue& AValue, std::ostream* AOut) {
    *AOut << "type " << AValue.Type << " \"" << AValue.Data << "\"";
}
