// The real registry of Windows, current user, through the wide-character API so
// that names and texts outside the ANSI code page survive. Texts cross this
// interface as UTF-8.
#if defined(_WIN32)

#include "storage/HiveFormat.h"
#include "storage/Registry.h"

#include <cstring>
#include <vector>

namespace {

std::wstring Wide(const std::string& AText) {
    if (AText.empty())
        return {};
    const int size = static_cast<int>(AText.size());
    const int count = ::MultiByteToWideChar(CP_UTF8, 0, AText.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(count), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, AText.data(), size, wide.data(), count);
    return wide;
}

std::string Utf8(const wchar_t* AText, std::size_t ALength) {
    if (ALength == 0)
        return {};
    const int size = static_cast<int>(ALength);
    const int count = ::WideCharToMultiByte(CP_UTF8, 0, AText, size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(count), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, AText, size, text.data(), count, nullptr, nullptr);
    return text;
}

// The longest value name the registry allows, with its terminator.
constexpr std::size_t kMaxValueName = 16384;

bool IsText(DWORD AType) {
    return AType == REG_SZ || AType == REG_EXPAND_SZ;
}

class TWinRegistryKey : public IRegistryKey {
public:
    explicit TWinRegistryKey(HKEY AKey) : FKey(AKey) {}
    ~TWinRegistryKey() override { Close(); }

    std::vector<std::string> ValueNames() const override {
        std::vector<std::string> names;
        DWORD longest = 0;
        if (::RegQueryInfoKeyW(FKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               &longest, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return names;
        // Another process may add a longer name while we list: grow and retry.
        std::vector<wchar_t> name(longest + 1);
        for (DWORD i = 0;;) {
            DWORD length = static_cast<DWORD>(name.size());
            const LSTATUS status =
                ::RegEnumValueW(FKey, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
            if (status == ERROR_MORE_DATA && name.size() < kMaxValueName) {
                name.resize(kMaxValueName);
                continue;
            }
            if (status != ERROR_SUCCESS)
                return names;
            names.push_back(Utf8(name.data(), length));
            ++i;
        }
    }

    std::optional<TRegValue> QueryValue(const std::string& AName) const override {
        const std::wstring name = Wide(AName);
        DWORD type = REG_NONE;
        DWORD size = 0;
        LSTATUS status = ::RegQueryValueExW(FKey, name.c_str(), nullptr, &type, nullptr, &size);
        std::vector<BYTE> data;
        while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
            data.resize(size);
            status = ::RegQueryValueExW(FKey, name.c_str(), nullptr, &type, data.data(), &size);
            if (status == ERROR_SUCCESS) {
                data.resize(size);
                break;
            }
        }
        if (status != ERROR_SUCCESS)
            return std::nullopt;
        if (!IsText(type))
            return TRegValue{type, std::string(data.begin(), data.end())};
        std::size_t length = data.size() / sizeof(wchar_t);
        std::wstring text(length, L'\0');
        std::memcpy(text.data(), data.data(), length * sizeof(wchar_t));
        if (!text.empty() && text.back() == L'\0')
            text.pop_back(); // the terminator
        return TRegValue{type, Utf8(text.data(), text.size())};
    }

    bool SetValue(const std::string& AName, const TRegValue& AValue) override {
        if (FKey == nullptr)
            return false;
        const std::wstring name = Wide(AName);
        if (IsText(AValue.Type)) {
            const std::wstring text = Wide(AValue.Data);
            return ::RegSetValueExW(FKey, name.c_str(), 0, AValue.Type,
                                    reinterpret_cast<const BYTE*>(text.c_str()),
                                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) ==
                   ERROR_SUCCESS;
        }
        return ::RegSetValueExW(FKey, name.c_str(), 0, AValue.Type,
                                reinterpret_cast<const BYTE*>(AValue.Data.data()),
                                static_cast<DWORD>(AValue.Data.size())) == ERROR_SUCCESS;
    }

    // The registry keeps a stored name's spelling when a value of that name is
    // set: the value is deleted first (a name differing only in letter case is
    // the same name) and written anew.
    bool SetValueRespelled(const std::string& AName, const TRegValue& AValue) override {
        if (FKey == nullptr)
            return false;
        const std::optional<TRegValue> old = QueryValue(AName);
        const LSTATUS deleted = ::RegDeleteValueW(FKey, Wide(AName).c_str());
        if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND)
            return false;
        if (SetValue(AName, AValue))
            return true;
        if (old)
            SetValue(AName, *old); // put back what was there, under the new spelling
        return false;
    }

    bool Close() override {
        if (FKey != nullptr)
            ::RegCloseKey(FKey);
        FKey = nullptr;
        return true;
    }

private:
    HKEY FKey;
};

// Paths are matched as the file hive matches them: empty parts, as an empty
// company name gives, are dropped.
class TWinRegistry : public IRegistry {
public:
    std::unique_ptr<IRegistryKey> OpenKey(const std::string& APath) override {
        HKEY key = nullptr;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, Wide(NormalizeKeyPath(APath)).c_str(), 0,
                            KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
            return nullptr;
        return std::make_unique<TWinRegistryKey>(key);
    }

    std::unique_ptr<IRegistryKey> CreateKey(const std::string& APath) override {
        HKEY key = nullptr;
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, Wide(NormalizeKeyPath(APath)).c_str(), 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr) != ERROR_SUCCESS)
            return nullptr;
        return std::make_unique<TWinRegistryKey>(key);
    }
};

} // namespace

std::unique_ptr<IRegistry> CreateCurrentUserRegistry() {
    return std::make_unique<TWinRegistry>();
}

#endif
