#pragma once
// The registry as the settings store and the high-score table use it: keys below
// the current user's root, values with a type and data. On Windows the real
// registry serves it; elsewhere a file hive does (FileHive.h). The backend is
// chosen when the program is built.

#include "game/Texts.h"
#include "storage/StorageErrors.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#if defined(_WIN32)
#include "files/WindowsApi.h" // REG_SZ, REG_DWORD and the other value types
#else
// The value types, with the numbers the registry gives them.
enum : std::uint32_t {
    REG_NONE = 0,
    REG_SZ = 1,
    REG_EXPAND_SZ = 2,
    REG_BINARY = 3,
    REG_DWORD = 4,
    REG_MULTI_SZ = 7,
    REG_QWORD = 11,
};
#endif

// A value's type and data. Text types (REG_SZ, REG_EXPAND_SZ) hold UTF-8 without
// a terminating NUL; REG_DWORD holds four bytes, least significant first; every
// other type holds its bytes as they are. The size is Data.size().
struct TRegValue {
    std::uint32_t Type = REG_NONE;
    std::string Data;

    bool operator==(const TRegValue&) const = default;
};

TRegValue RegStringValue(const std::string& AText);
TRegValue RegDwordValue(std::uint32_t ANumber);
// The number of a REG_DWORD value of four bytes; nothing for any other value.
std::optional<std::uint32_t> RegDwordOf(const TRegValue& AValue);

// The text of a value: empty when it is missing or has no data, cut at its first
// NUL; nothing when the value is not of a text type (REG_SZ, REG_EXPAND_SZ).
std::optional<std::string> RegTextOf(const std::optional<TRegValue>& AValue);

// An open key. Changes made through it are stored when it is closed (at the
// latest when it is destroyed); a key that changed nothing stores nothing.
class IRegistryKey {
public:
    virtual ~IRegistryKey() = default;
    // The names of the key's values, in the registry's enumeration order.
    virtual std::vector<std::string> ValueNames() const = 0;
    // A value's type and data; nothing when the key has no value of that name.
    virtual std::optional<TRegValue> QueryValue(const std::string& AName) const = 0;
    // Every value with its name, in enumeration order: ValueNames with each
    // name's QueryValue (a value gone in between reads as REG_NONE, no data).
    virtual std::vector<std::pair<std::string, TRegValue>> Values() const;
    // Writes a value, replacing one of the same name; false when refused.
    virtual bool SetValue(const std::string& AName, const TRegValue& AValue) = 0;
    // Writes a value like SetValue, and where the key holds it under another
    // spelling (names differ only in letter case), spells it AName, so that a
    // reader that matches names with their case finds it. (SetValue keeps a
    // stored spelling; the default, SetValue, suits a backend that has none.)
    virtual bool SetValueRespelled(const std::string& AName, const TRegValue& AValue) {
        return SetValue(AName, AValue);
    }
    // Writes a value only when the key holds none of that name at the moment the
    // change is stored: a default must not replace what another running copy of
    // the game stored meanwhile. False when refused.
    virtual bool SetValueIfMissing(const std::string& AName, const TRegValue& AValue) {
        return QueryValue(AName).has_value() || SetValue(AName, AValue);
    }
    // Stores the changes. False when they could not be stored; the backend has
    // then reported why. Closing twice does nothing the second time.
    virtual bool Close() = 0;
};

// The current user's root key. Paths are relative to it, parts separated by
// backslashes; letter case does not matter.
class IRegistry {
public:
    virtual ~IRegistry() = default;
    // Opens an existing key; nothing when it does not exist.
    virtual std::unique_ptr<IRegistryKey> OpenKey(const std::string& APath) = 0;
    // Opens a key, creating it and its missing parents; nothing when that fails.
    virtual std::unique_ptr<IRegistryKey> CreateKey(const std::string& APath) = 0;
    // Opens the key APath as stored now, creating it, lets AEdit read and change
    // it, and stores the changes; nothing is written when AEdit changes nothing.
    // The file hive holds its lock from the read to the write, so that no other
    // copy of the game saves in between. False when the key could not be created
    // or the changes could not be stored; that has then been reported.
    virtual bool UpdateKey(const std::string& APath,
                           const std::function<void(IRegistryKey&)>& AEdit);

    // Where the values are kept, in words for the player: the hive's file.
    virtual std::string Location() const { return Tx("Registry", "the registry"); }
    // Why the last save through this registry failed, for the message that
    // names what was not saved; empty when the player has been told already.
    virtual std::string SaveFailure() const {
        return Tx("Registry", "the registry refused the values");
    }
};

// Reports the last failed save through ARegistry (StorageErrors.h).
void ReportSaveFailure(TSavedData AData, const IRegistry& ARegistry);

// The current user's registry of this platform.
std::unique_ptr<IRegistry> CreateCurrentUserRegistry();
