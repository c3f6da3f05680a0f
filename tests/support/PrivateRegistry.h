#pragma once
// A registry of its own for a test, empty at the start and gone at the end, so
// that no test sees what another one stored or touches what the user stored.
//  - File hive: a fresh configuration folder (XDG_CONFIG_HOME points into it
//    until the registry goes).
//  - Windows registry: the current user's root key is redirected, for this
//    process only, to a fresh key (RegOverridePredefKey); the game's code keeps
//    its real paths.
// Both sides are read and written here without the backend under test. A step
// that cannot be carried out throws std::runtime_error, which fails the test.

#include "files/WindowsApi.h"

#include <filesystem>
#include <string>

class TPrivateRegistry {
public:
    TPrivateRegistry();
    ~TPrivateRegistry();
    TPrivateRegistry(const TPrivateRegistry&) = delete;
    TPrivateRegistry& operator=(const TPrivateRegistry&) = delete;

    // Replaces everything stored with the keys and values of a hive text
    // (HiveFormat.h).
    void StoreHive(const std::string& AText) const;
    // The key APath and every key below it, with all their values, as stored,
    // in the canonical form of CanonicalHiveText; empty when there is no such key.
    std::string Dump(const std::string& APath) const;
    // Whether anything has been written: the file hive's file exists, or the
    // registry holds a value (the registry creates a key as it is opened, so
    // empty keys do not count).
    bool StoresAnyValue() const;

#if !defined(_WIN32)
    // The configuration folder, and the hive of the company the game uses.
    const std::filesystem::path& Dir() const {
        return FDir;
    }
    std::filesystem::path HivePath() const {
        return FDir / "Varnholt" / "Tolmir.reg";
    }
#endif

private:
#if defined(_WIN32)
    HKEY FRoot = nullptr;
#else
    std::filesystem::path FDir;
    std::string FOldXdg;
    bool FHadXdg = false;
#endif
};

struct THive;

// The keys of AHive at APath and below, implicit parents included, sorted by
// path and their values by name (letter case ignored), in the hive's export
// syntax; empty when there is no such key. The order of enumeration, which the
// backends do not share, plays no part.
std::string CanonicalHiveText(const THive& AHive, const std::string& APath);

// A file's bytes; empty when it cannot be read.
std::string ReadText(const std::filesystem::path& AFile);
