#include "storage/HiveFormat.h"

#include "game/Texts.h"

#include "game/TextNumbers.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kOldHeader = "REGEDIT4";
constexpr std::string_view kRoot = "HKEY_CURRENT_USER";

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = AsciiLower(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A line ends at LF, and at a CR that no LF follows.
bool IsLineEnd(std::string_view AText, std::size_t APos) {
    return AText[APos] == '\n' ||
           (AText[APos] == '\r' && (APos + 1 == AText.size() || AText[APos + 1] != '\n'));
}

bool StartsWithNoCase(std::string_view AText, std::string_view APrefix) {
    return AText.size() >= APrefix.size() &&
           SameRegistryName(AText.substr(0, APrefix.size()), APrefix);
}

// The text of a UTF-16LE file (after its byte order mark) in UTF-8; a lone
// surrogate becomes U+FFFD and an odd last byte is dropped.
std::string Utf16LeToUtf8(std::string_view AText) {
    std::string out;
    out.reserve(AText.size());
    const auto unitAt = [&](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(AText[i]) |
                                     (static_cast<unsigned char>(AText[i + 1]) << 8));
    };
    for (std::size_t i = 0; i + 1 < AText.size(); i += 2) {
        char32_t code = unitAt(i);
        if (code >= 0xD800 && code < 0xE000) {
            const char32_t low = i + 3 < AText.size() ? unitAt(i + 2) : 0;
            if (code < 0xDC00 && low >= 0xDC00 && low < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            } else {
                code = 0xFFFD;
            }
        }
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

// A reader over the whole text: quoted strings may span lines, so the hive is
// not read line by line. An item it cannot read is skipped from its start to
// the end of that line, and reading goes on at the next line.
class TParser {
public:
    explicit TParser(std::string_view AText) : FText(AText) {}

    // False, with the reason, when nothing at all could be read.
    bool Parse(THive& AHive, THiveSkippedLines& ASkipped, std::string& AError) {
        if (FText.substr(0, 3) == "\xEF\xBB\xBF")
            FPos = 3;
        bool readable = false;
        bool anyKey = false;
        // The key that values belong to; none before the first key, after a key
        // line that could not be read and after a deletion line.
        THiveKey* key = nullptr;
        for (;;) {
            SkipBlank();
            if (AtEnd())
                break;
            const std::size_t start = FPos;
            bool read = true;
            if (Peek() == ';') {
                SkipComment();
                continue;
            }
            if (TakeHeader()) {
                readable = true;
                continue;
            }
            if (Peek() == '[') {
                std::string path;
                bool deletion = false;
                read = ParseKeyName(path, deletion);
                key = read && !deletion ? &AddHiveKey(AHive, path) : nullptr;
                anyKey = true;
            } else if (Peek() == '"' || Peek() == '@') {
                THiveValue value;
                bool deletion = false;
                read = ParseValue(value, deletion);
                if (read && key == nullptr && !deletion) {
                    // A whole value of no key: skipped as one item, so that
                    // lines inside its text are not read as keys.
                    Skip(start,
                         anyKey ? Tx("HiveFormat", "a value of a key that could not be read")
                                : Tx("HiveFormat", "a value comes before the first key"),
                         ASkipped);
                    continue;
                }
                // Names met again are merged once the whole text is read.
                if (read && !deletion)
                    key->Values.push_back(std::move(value));
            } else {
                read = Why(Tx("HiveFormat", "unexpected text"));
            }
            if (read) {
                readable = true;
                continue;
            }
            if (Peek(start) == '[')
                key = nullptr; // the values below an unreadable key line are not its parent's
            FPos = start;
            Skip(start, FWhy, ASkipped);
            SkipRestOfLine();
        }
        if (readable)
            return true;
        if (!ASkipped.First.empty())
            AError =
                TxArgs(Tx("HiveFormat", "nothing could be read; %1"), {ASkipped.First.front()});
        else
            AError = Tx("HiveFormat", "line 1: the file is empty");
        return false;
    }

private:
    bool AtEnd() const { return FPos >= FText.size(); }
    char Peek() const { return FText[FPos]; }
    char Peek(std::size_t APos) const { return FText[APos]; }

    // Notes the line at APos as skipped for AWhy.
    void Skip(std::size_t APos, const std::string& AWhy, THiveSkippedLines& ASkipped) {
        for (; FCounted < APos; ++FCounted)
            FLine += IsLineEnd(FText, FCounted) ? 1 : 0;
        ++ASkipped.Count;
        if (ASkipped.First.size() < kSkippedLinesNamed)
            ASkipped.First.push_back(
                TxArgs(Tx("HiveFormat", "line %1: %2"), {std::to_string(FLine), AWhy}));
    }
    bool Why(const std::string& AWhy) {
        FWhy = AWhy;
        return false;
    }

    void SkipBlank() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\r' || Peek() == '\n'))
            ++FPos;
    }
    void SkipSpaces() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t'))
            ++FPos;
    }
    // To the line break that ends a comment.
    void SkipComment() {
        while (!AtEnd() && Peek() != '\n' && Peek() != '\r')
            ++FPos;
    }
    // Past the end of the current line.
    void SkipRestOfLine() {
        SkipComment();
        TakeLineEnd();
    }
    // The end of a line: trailing spaces and a comment, then a line break (CR
    // LF, LF or a bare CR, as the registry editor reads them) or the end of the
    // text.
    bool TakeLineEnd() {
        SkipSpaces();
        if (!AtEnd() && Peek() == ';')
            SkipComment();
        if (AtEnd())
            return true;
        if (Peek() == '\r') {
            ++FPos;
            if (!AtEnd() && Peek() == '\n')
                ++FPos;
            return true;
        }
        if (Peek() != '\n')
            return false;
        ++FPos;
        return true;
    }
    // The first line of an export, of version 5 or of the older REGEDIT4.
    bool TakeHeader() {
        const std::size_t start = FPos;
        for (const std::string_view header : {kHeader, kOldHeader}) {
            if (FText.substr(FPos, header.size()) == header) {
                FPos += header.size();
                if (TakeLineEnd())
                    return true;
                FPos = start;
            }
        }
        return false;
    }

    // "[HKEY_CURRENT_USER\path]", or a deletion line "[-HKEY_...\path]", which
    // deletes nothing from a hive read afresh and is passed over.
    bool ParseKeyName(std::string& APath, bool& ADeletion) {
        ++FPos; // '['
        ADeletion = !AtEnd() && Peek() == '-';
        const std::size_t start = FPos;
        while (!AtEnd() && Peek() != ']' && Peek() != '\n' && Peek() != '\r')
            ++FPos;
        if (AtEnd() || Peek() != ']')
            return Why(Tx("HiveFormat", "a key name has no closing bracket"));
        std::string_view name = FText.substr(start, FPos - start);
        ++FPos;
        if (!TakeLineEnd())
            return Why(Tx("HiveFormat", "text after a key name"));
        if (ADeletion)
            return true;
        if (!StartsWithNoCase(name, kRoot) ||
            (name.size() > kRoot.size() && name[kRoot.size()] != '\\'))
            return Why(Tx("HiveFormat", "a key outside HKEY_CURRENT_USER"));
        APath = NormalizeKeyPath(name.substr(kRoot.size()));
        return true;
    }

    bool ParseQuoted(std::string& AText) {
        ++FPos; // opening quote
        while (!AtEnd()) {
            const char c = FText[FPos++];
            if (c == '"')
                return true;
            if (c == '\\' && !AtEnd() && (Peek() == '\\' || Peek() == '"'))
                AText += FText[FPos++];
            else
                AText += c;
        }
        return Why(Tx("HiveFormat", "a string has no closing quote"));
    }

    // A value line; "name"=- deletes the value in the registry editor and, in a
    // hive read afresh, is passed over (ADeletion).
    bool ParseValue(THiveValue& AValue, bool& ADeletion) {
        ADeletion = false;
        if (Peek() == '@') {
            ++FPos;
        } else if (!ParseQuoted(AValue.Name)) {
            return false;
        }
        SkipSpaces();
        if (AtEnd() || Peek() != '=')
            return Why(Tx("HiveFormat", "a value name is not followed by '='"));
        ++FPos;
        SkipSpaces();
        std::string_view rest = FText.substr(FPos);
        if (!rest.empty() && rest.front() == '-') {
            ++FPos;
            ADeletion = true;
        } else if (!rest.empty() && rest.front() == '"') {
            AValue.Value.Type = REG_SZ;
            if (!ParseQuoted(AValue.Value.Data))
                return false;
        } else if (StartsWithNoCase(rest, "dword:")) {
            FPos += 6;
            std::uint32_t number = 0;
            for (int i = 0; i < 8; ++i) {
                const int digit = AtEnd() ? -1 : HexDigit(Peek());
                if (digit < 0)
                    return Why(Tx("HiveFormat", "a dword has not eight hex digits"));
                number = (number << 4) | static_cast<std::uint32_t>(digit);
                ++FPos;
            }
            AValue.Value = RegDwordValue(number);
        } else if (StartsWithNoCase(rest, "hex")) {
            if (!ParseHex(AValue.Value))
                return false;
        } else {
            return Why(Tx("HiveFormat", "a value of an unknown kind"));
        }
        if (!TakeLineEnd())
            return Why(Tx("HiveFormat", "text after a value"));
        return true;
    }

    // hex:bytes (REG_BINARY) or hex(N):bytes, the bytes as comma-separated pairs
    // of hex digits, lines continued by a backslash after a comma.
    bool ParseHex(TRegValue& AValue) {
        FPos += 3;
        AValue.Type = REG_BINARY;
        if (!AtEnd() && Peek() == '(') {
            ++FPos;
            std::uint32_t type = 0;
            int digits = 0;
            for (int digit; !AtEnd() && (digit = HexDigit(Peek())) >= 0; ++FPos, ++digits)
                type = (type << 4) | static_cast<std::uint32_t>(digit);
            if (digits == 0 || digits > 8 || AtEnd() || Peek() != ')')
                return Why(Tx("HiveFormat", "a hex type is malformed"));
            ++FPos;
            AValue.Type = type;
        }
        if (AtEnd() || Peek() != ':')
            return Why(Tx("HiveFormat", "a hex value has no ':'"));
        ++FPos;
        SkipSpaces();
        if (AtEnd() || Peek() == '\r' || Peek() == '\n' || Peek() == ';')
            return true;
        for (;;) {
            const int high = AtEnd() ? -1 : HexDigit(Peek());
            const int low = FPos + 1 < FText.size() ? HexDigit(FText[FPos + 1]) : -1;
            if (high < 0 || low < 0)
                return Why(Tx("HiveFormat", "a byte is not two hex digits"));
            AValue.Data += static_cast<char>(high * 16 + low);
            FPos += 2;
            SkipSpaces();
            if (AtEnd() || Peek() != ',')
                return true;
            ++FPos;
            SkipSpaces();
            if (!AtEnd() && Peek() == '\\') {
                ++FPos;
                if (!TakeLineEnd())
                    return Why(Tx("HiveFormat", "text after a line continuation"));
                SkipSpaces();
            }
        }
    }

    std::string_view FText;
    std::size_t FPos = 0;
    std::string FWhy;
    std::size_t FCounted = 0; // the text before this position has been counted
    int FLine = 1;            // the line at FCounted
};

// A value whose name comes again (letter case ignored) keeps its first place
// and spelling and takes the data given last, as if each had been set in turn.
// Sorting by hash finds the repeats without a lookup per value, which for a
// large key costs a cache miss each.
void MergeSameNames(THiveKey& AKey) {
    std::vector<THiveValue>& values = AKey.Values;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> order(values.size()); // hash, position
    for (std::size_t i = 0; i < values.size(); ++i)
        order[i] = {RegistryNameHash(values[i].Name), static_cast<std::uint32_t>(i)};
    std::sort(order.begin(), order.end());
    std::vector<bool> merged(values.size(), false);
    bool any = false;
    for (std::size_t run = 0; run < order.size();) {
        std::size_t end = run + 1;
        while (end < order.size() && order[end].first == order[run].first)
            ++end;
        // Within a run of equal hashes, positions ascend: the first of each
        // name takes the data of the last.
        for (std::size_t first = run; first < end; ++first) {
            const std::uint32_t keep = order[first].second;
            if (merged[keep])
                continue;
            for (std::size_t later = first + 1; later < end; ++later) {
                const std::uint32_t other = order[later].second;
                if (!merged[other] && SameRegistryName(values[keep].Name, values[other].Name)) {
                    values[keep].Value = std::move(values[other].Value);
                    merged[other] = true;
                    any = true;
                }
            }
        }
        run = end;
    }
    if (!any)
        return;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (merged[i])
            continue;
        if (kept != i)
            values[kept] = std::move(values[i]);
        ++kept;
    }
    values.resize(kept);
}

void AppendQuoted(std::string& AOut, const std::string& AText) {
    AOut += '"';
    for (const char c : AText) {
        if (c == '\\' || c == '"')
            AOut += '\\';
        AOut += c;
    }
    AOut += '"';
}

void AppendHex(std::string& AOut, const std::string& ABytes) {
    char pair[3];
    for (std::size_t i = 0; i < ABytes.size(); ++i) {
        std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(ABytes[i]));
        if (i > 0)
            AOut += ',';
        AOut += pair;
    }
}

} // namespace

std::uint32_t RegistryNameHash(std::string_view AName) {
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const char c : AName) {
        hash ^= static_cast<unsigned char>(AsciiLower(c));
        hash *= 16777619u;
    }
    // A multiplication carries no change down to the low bits, which pick
    // the slot: mix the high ones in.
    hash ^= hash >> 16;
    hash *= 0x85ebca6bu;
    hash ^= hash >> 13;
    hash *= 0xc2b2ae35u;
    hash ^= hash >> 16;
    return hash;
}

void THiveNameIndex::Reset() const {
    FSlots.clear();
    FCovered = 0;
}

void THiveNameIndex::Reserve(std::size_t ACount) const {
    if (ACount * 2 <= FSlots.size())
        return;
    std::size_t size = 16;
    while (size < ACount * 2)
        size *= 2;
    std::vector<TSlot> old = std::exchange(FSlots, std::vector<TSlot>(size));
    for (const TSlot& slot : old)
        if (slot.Position != 0)
            Insert(slot.Position - 1, slot.Hash);
}

void THiveNameIndex::Insert(std::size_t APosition, std::uint32_t AHash) const {
    const std::size_t mask = FSlots.size() - 1;
    std::size_t i = AHash & mask;
    while (FSlots[i].Position != 0)
        i = (i + 1) & mask;
    FSlots[i] = {static_cast<std::uint32_t>(APosition + 1), AHash};
}

bool SameRegistryName(std::string_view A, std::string_view B) {
    if (A.size() != B.size())
        return false;
    for (std::size_t i = 0; i < A.size(); ++i)
        if (AsciiLower(A[i]) != AsciiLower(B[i]))
            return false;
    return true;
}

std::string NormalizeKeyPath(std::string_view APath) {
    std::string path;
    std::size_t start = 0;
    while (start <= APath.size()) {
        std::size_t end = APath.find('\\', start);
        if (end == std::string_view::npos)
            end = APath.size();
        if (end > start) {
            if (!path.empty())
                path += '\\';
            path += APath.substr(start, end - start);
        }
        start = end + 1;
    }
    return path;
}

const THiveKey* FindHiveKey(const THive& AHive, std::string_view APath) {
    const std::string path = NormalizeKeyPath(APath);
    const std::size_t found =
        AHive.KeyIndex.Find(path, AHive.Keys.size(),
                            [&](std::size_t i) -> std::string_view { return AHive.Keys[i].Path; });
    return found < AHive.Keys.size() ? &AHive.Keys[found] : nullptr;
}

THiveKey* FindHiveKey(THive& AHive, std::string_view APath) {
    return const_cast<THiveKey*>(FindHiveKey(static_cast<const THive&>(AHive), APath));
}

bool HiveKeyExists(const THive& AHive, std::string_view APath) {
    const std::string path = NormalizeKeyPath(APath);
    if (path.empty() || FindHiveKey(AHive, path) != nullptr)
        return true; // the root itself, or a key with a section of its own
    for (const THiveKey& key : AHive.Keys) {
        if (key.Path.size() > path.size() && key.Path[path.size()] == '\\' &&
            SameRegistryName(std::string_view(key.Path).substr(0, path.size()), path))
            return true;
    }
    return false;
}

THiveKey& AddHiveKey(THive& AHive, std::string_view APath) {
    if (THiveKey* key = FindHiveKey(AHive, APath))
        return *key;
    AHive.Keys.push_back({NormalizeKeyPath(APath), {}, {}});
    return AHive.Keys.back();
}

const THiveValue* FindHiveValue(const THiveKey& AKey, std::string_view AName) {
    const std::size_t found =
        AKey.ValueIndex.Find(AName, AKey.Values.size(), [&](std::size_t i) -> std::string_view {
            return AKey.Values[i].Name;
        });
    return found < AKey.Values.size() ? &AKey.Values[found] : nullptr;
}

void SetHiveValue(THiveKey& AKey, const std::string& AName, const TRegValue& AValue,
                  bool ARespell) {
    if (const THiveValue* found = FindHiveValue(AKey, AName)) {
        auto* value = const_cast<THiveValue*>(found);
        if (ARespell)
            value->Name = AName; // only the letter case changes: the index stays valid
        value->Value = AValue;
        return;
    }
    AKey.Values.push_back({AName, AValue});
}

bool ParseHive(std::string_view AText, THive& AHive, std::string& AError,
               THiveSkippedLines* ASkipped) {
    THive hive;
    THiveSkippedLines skipped;
    std::string utf8;
    if (AText.substr(0, 2) == "\xFF\xFE") {
        utf8 = Utf16LeToUtf8(AText.substr(2));
        AText = utf8;
    }
    const bool read = TParser(AText).Parse(hive, skipped, AError);
    if (ASkipped != nullptr)
        *ASkipped = std::move(skipped);
    if (!read)
        return false;
    for (THiveKey& key : hive.Keys)
        MergeSameNames(key);
    AHive = std::move(hive);
    return true;
}

std::string FormatHive(const THive& AHive) {
    std::string out(kHeader);
    out += '\n';
    for (const THiveKey& key : AHive.Keys) {
        out += "\n[";
        out += kRoot;
        if (!key.Path.empty())
            out += '\\' + key.Path;
        out += "]\n";
        for (const THiveValue& value : key.Values) {
            if (value.Name.empty())
                out += '@';
            else
                AppendQuoted(out, value.Name);
            out += '=';
            const TRegValue& v = value.Value;
            if (v.Type == REG_SZ) {
                AppendQuoted(out, v.Data);
            } else if (const auto number = RegDwordOf(v)) {
                char digits[9];
                std::snprintf(digits, sizeof digits, "%08x", *number);
                out += "dword:";
                out += digits;
            } else {
                char type[16];
                if (v.Type == REG_BINARY)
                    type[0] = '\0';
                else
                    std::snprintf(type, sizeof type, "(%x)", static_cast<unsigned>(v.Type));
                out += "hex";
                out += type;
                out += ':';
                AppendHex(out, v.Data);
            }
            out += '\n';
        }
    }
    out += '\n';
    return out;
}
