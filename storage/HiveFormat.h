#pragma once
// The text of a file hive: the registry editor's export syntax, version 5.00,
// in UTF-8, for keys below HKEY_CURRENT_USER.
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Varnholt\Tolmir]
//   "ItemCount"=dword:00000001
//   "Name0"="Ann"
//
// Strings escape backslash and double quote with a backslash and hold every other
// character as it is, line breaks included; DWORDs are eight lowercase hex digits;
// other types are written as hex(N): bytes. Key and value names are matched
// without regard to letter case; values keep their insertion order.

#include "Registry.h"

#include <string>
#include <string_view>
#include <vector>

struct THiveValue {
    std::string Name;
    TRegValue Value;
};

struct THiveKey {
    std::string Path; // below HKEY_CURRENT_USER, no empty parts: "Software\Varnholt\Tolmir"
    std::vector<THiveValue> Values;
};

struct THive {
    std::vector<THiveKey> Keys; // in file order
};

// Parses a hive's text. False, with a reason, when the text is not a hive.
bool ParseHive(std::string_view AText, THive& AHive, std::string& AError);
std::string FormatHive(const THive& AHive);

// Case-insensitive name comparison for ASCII letters; other characters must be equal.
bool SameRegistryName(std::string_view A, std::string_view B);
// Drops empty parts, so that "Software\Varnholt\Tolmir\" names "Software\Varnholt\Tolmir".
std::string NormalizeKeyPath(std::string_view APath);

THiveKey* FindHiveKey(THive& AHive, std::string_view APath);
const THiveKey* FindHiveKey(const THive& AHive, std::string_view APath);
// A key exists when it has a section of its own or is the parent of one.
bool HiveKeyExists(const THive& AHive, std::string_view APath);
// The key of APath, appended at the end when it has no section yet.
THiveKey& AddHiveKey(THive& AHive, std::string_view APath);
// Replaces the data of a value of the same name (which keeps its spelling), or
// appends the value at the end of the key.
void SetHiveValue(THiveKey& AKey, const std::string& AName, const TRegValue& AValue);
const THiveValue* FindHiveValue(const THiveKey& AKey, std::string_view AName);
