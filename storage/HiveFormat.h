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
//
// The reader also takes what the registry editor itself reads: a UTF-8 or
// UTF-16LE byte order mark, the older "REGEDIT4" header, ";" comments on lines
// of their own and after a header, key or value, CR LF, LF or bare CR line ends,
// and deletion lines ("[-HKEY_...]" and "name"=-), which are passed over (the
// values after a deleted key belong to no key). A line it cannot read (a key
// outside HKEY_CURRENT_USER, a value of no key, stray text, a string without
// its closing quote) is skipped up to its end, with the values of a key line
// it skips; the rest is read. Comments, deletion lines and skipped lines are
// not written back.

#include "storage/Registry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Case-insensitive name comparison for ASCII letters; other characters must be equal.
bool SameRegistryName(std::string_view A, std::string_view B);
std::uint32_t RegistryNameHash(std::string_view AName);

// Finds a name among the names of a list, letter case ignored, in constant time:
// an open-addressing table of positions in the list, so that loading a hive of
// a million values stays linear. The list may grow at its end between lookups
// and is then indexed further; a list that shrank is indexed anew. A name must
// not change while it is in the list.
class THiveNameIndex {
public:
    // The position of the first of ACount names (ANameAt(i) gives name i) that
    // matches AName; ACount when none does.
    template <typename TNameAt>
    std::size_t Find(std::string_view AName, std::size_t ACount, const TNameAt& ANameAt) const {
        if (ACount < FCovered)
            Reset();
        Reserve(ACount);
        for (; FCovered < ACount; ++FCovered)
            Insert(FCovered, RegistryNameHash(ANameAt(FCovered)));
        if (FSlots.empty())
            return ACount;
        const std::uint32_t hash = RegistryNameHash(AName);
        const std::size_t mask = FSlots.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const TSlot slot = FSlots[i];
            if (slot.Position == 0)
                return ACount;
            if (slot.Hash == hash && slot.Position <= ACount &&
                SameRegistryName(ANameAt(slot.Position - 1), AName))
                return slot.Position - 1;
        }
    }

private:
    struct TSlot {
        std::uint32_t Position = 0; // position + 1; 0 is a free slot
        std::uint32_t Hash = 0;
    };
    void Reset() const;
    void Reserve(std::size_t ACount) const;
    void Insert(std::size_t APosition, std::uint32_t AHash) const;

    mutable std::vector<TSlot> FSlots; // a power of two, at most half full
    mutable std::size_t FCovered = 0;  // the names indexed so far
};

struct THiveValue {
    std::string Name;
    TRegValue Value;
};

struct THiveKey {
    std::string Path; // below HKEY_CURRENT_USER, no empty parts: "Software\Varnholt\Tolmir"
    std::vector<THiveValue> Values;
    THiveNameIndex ValueIndex;
};

struct THive {
    std::vector<THiveKey> Keys; // in file order
    THiveNameIndex KeyIndex;
};

// The lines a reading of a hive's text skipped: how many, and the first few
// with the reason, as "line 3: unexpected text".
struct THiveSkippedLines {
    std::size_t Count = 0;
    std::vector<std::string> First;
};
inline constexpr std::size_t kSkippedLinesNamed = 5;

// Parses a hive's text, skipping what it cannot read (ASkipped says what).
// False, with a reason, when nothing in it could be read.
bool ParseHive(std::string_view AText, THive& AHive, std::string& AError,
               THiveSkippedLines* ASkipped = nullptr);
std::string FormatHive(const THive& AHive);

// The largest hive that is read: far above what the game stores (a few
// kilobytes), low enough that a hive is always read in about a second. A larger
// file is treated as damaged.
inline constexpr std::size_t kMaxHiveSize = 16 * 1024 * 1024;

// Drops empty parts, so that "Software\Varnholt\Tolmir\" names "Software\Varnholt\Tolmir".
std::string NormalizeKeyPath(std::string_view APath);

THiveKey* FindHiveKey(THive& AHive, std::string_view APath);
const THiveKey* FindHiveKey(const THive& AHive, std::string_view APath);
// A key exists when it has a section of its own or is the parent of one.
bool HiveKeyExists(const THive& AHive, std::string_view APath);
// The key of APath, appended at the end when it has no section yet.
THiveKey& AddHiveKey(THive& AHive, std::string_view APath);
// Replaces the data of a value of the same name, letter case ignored, which
// keeps its spelling (or takes AName's with ARespell), or appends the value at
// the end of the key.
void SetHiveValue(THiveKey& AKey, const std::string& AName, const TRegValue& AValue,
                  bool ARespell = false);
const THiveValue* FindHiveValue(const THiveKey& AKey, std::string_view AName);
