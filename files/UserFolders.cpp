#include "files/UserFolders.h"

#include <cstdlib>
#include <cstring>
#include <string>

#if !defined(_WIN32)
#include <pwd.h>
#include <unistd.h>
#include <vector>
#endif

namespace fs = std::filesystem;

namespace {

// An environment variable's path when it is absolute; empty otherwise. The
// value is taken as the system gives it, never converted: on Linux its bytes
// (a folder name need not be UTF-8), on Windows its wide characters (a name
// outside the ANSI code page survives).
fs::path AbsoluteFromEnvironment(const char* AName) {
#if defined(_WIN32)
    const std::wstring name(AName, AName + std::strlen(AName));
    const wchar_t* value = ::_wgetenv(name.c_str());
#else
    const char* value = std::getenv(AName);
#endif
    if (value == nullptr)
        return {};
    fs::path path(value);
    return path.is_absolute() ? path : fs::path();
}

fs::path Below(const fs::path& AFolder, const char* AName) {
    return AFolder.empty() ? fs::path() : AFolder / AName;
}

} // namespace

fs::path UserHomeFolder() {
    fs::path home = AbsoluteFromEnvironment("HOME");
#if !defined(_WIN32)
    if (home.empty()) {
        long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
        std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
        passwd entry{};
        passwd* found = nullptr;
        if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
            found != nullptr && found->pw_dir != nullptr) {
            const fs::path fromDatabase(found->pw_dir);
            if (fromDatabase.is_absolute())
                home = fromDatabase;
        }
    }
#else
    if (home.empty())
        home = AbsoluteFromEnvironment("USERPROFILE");
#endif
    return home;
}

fs::path UserConfigFolder() {
    fs::path folder = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
    return folder.empty() ? Below(UserHomeFolder(), ".config") : folder;
}

fs::path UserCacheFolder() {
    fs::path folder = AbsoluteFromEnvironment("XDG_CACHE_HOME");
    return folder.empty() ? Below(UserHomeFolder(), ".cache") : folder;
}
