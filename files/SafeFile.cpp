#include "files/SafeFile.h"

#include "files/UserFolders.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <random>
#include <system_error>

#if defined(_WIN32)
#include "files/WindowsApi.h"

#include <fstream>
#else
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#endif

namespace fs = std::filesystem;

namespace {

constexpr const char* kTemporarySuffix = ".tmp-";

// A name beside AFile that no other thread or process picks at the same time.
fs::path TemporaryNameBeside(const fs::path& AFile) {
    static std::atomic<unsigned> counter{0};
    static thread_local std::mt19937_64 random{
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
    fs::path name = AFile;
    name += kTemporarySuffix + std::to_string(random() % 1000000000u) + "-" +
            std::to_string(counter.fetch_add(1));
    return name;
}

// The number of new names tried when one is taken.
constexpr int kNameAttempts = 16;

} // namespace

std::vector<fs::path> LeftoverTemporaryFiles(const fs::path& AFile) {
    std::vector<fs::path> files;
    const std::string prefix = AFile.filename().string() + kTemporarySuffix;
    std::error_code error;
    for (fs::directory_iterator it(AFile.parent_path(), error), end; !error && it != end;
         it.increment(error)) {
        if (it->path().filename().string().rfind(prefix, 0) == 0)
            files.push_back(it->path());
    }
    return files;
}

void RemoveLeftoverTemporaryFiles(const fs::path& AFile) {
    std::error_code ignored; // a leftover that stays costs only its space
    for (const fs::path& file : LeftoverTemporaryFiles(AFile))
        fs::remove(file, ignored);
}

std::string FileErrorText(int AError) {
    return std::system_category().message(AError);
}

bool ResolveFileLinks(const fs::path& AFile, fs::path& AResolved, std::string& AWhy) {
    fs::path file = AFile;
    // As many links as the system follows in one path.
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(file, error))) {
            // The folder as the system finds it, without "..": for messages.
            if (file != AFile) {
                const fs::path folder = fs::weakly_canonical(file.parent_path(), error);
                if (!error)
                    file = folder / file.filename();
            }
            AResolved = file;
            return true;
        }
        const fs::path target = fs::read_symlink(file, error);
        if (error) {
            AWhy = "the link " + file.string() + " could not be read: " + error.message();
            return false;
        }
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    AWhy = "the links at " + AFile.string() + " form a loop";
    return false;
}

bool WriteTargetOf(const fs::path& AFile, fs::path& ATarget, std::string& AWhy) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(AFile, error))) {
        ATarget = AFile;
        return true;
    }
    fs::path target;
    if (!ResolveFileLinks(AFile, target, AWhy))
        return false;
    const fs::path folder = fs::weakly_canonical(AFile.parent_path(), error);
    const fs::path inside = error ? fs::path() : target.lexically_relative(folder);
    if (inside.empty() || *inside.begin() == ".." || inside == ".") {
        AWhy = "it is a link to " + target.string() + " outside " + AFile.parent_path().string() +
               ", and nothing is written through such a link";
        return false;
    }
#if !defined(_WIN32)
    struct stat info {};
    if (::lstat(target.c_str(), &info) == 0 && info.st_uid != ::geteuid()) {
        AWhy = "it is a link to " + target.string() +
               ", which belongs to another user, and nothing is written through such a link";
        return false;
    }
#endif
    ATarget = target;
    return true;
}

#if defined(_WIN32)

TFileRead ReadRegularFile(const fs::path& AFile, std::size_t AMaxSize, bool AFollowLinks) {
    TFileRead result;
    std::error_code error;
    const fs::file_status status =
        AFollowLinks ? fs::status(AFile, error) : fs::symlink_status(AFile, error);
    if (status.type() == fs::file_type::not_found) {
        result.Status = TFileReadStatus::Missing;
        return result;
    }
    if (status.type() == fs::file_type::directory) {
        result.Error = EISDIR;
        return result;
    }
    // A file that another process is replacing this moment may not answer:
    // then the open decides.
    if (!error && status.type() != fs::file_type::regular) {
        result.Status = TFileReadStatus::NotRegular;
        return result;
    }
    std::ifstream in(AFile, std::ios::binary);
    if (!in) {
        result.Status =
            fs::exists(AFile, error) || error ? TFileReadStatus::Failed : TFileReadStatus::Missing;
        result.Error = EACCES;
        return result;
    }
    char buffer[16384];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        result.Text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (result.Text.size() > AMaxSize) {
            result.Text.clear();
            result.Status = TFileReadStatus::TooLarge;
            return result;
        }
    }
    if (in.bad()) {
        result.Text.clear();
        result.Error = EIO;
        return result;
    }
    result.Status = TFileReadStatus::Ok;
    return result;
}

bool FolderIsPrivate(const fs::path&, std::string&) {
    return true;
}

bool CreatePrivateFolders(const fs::path& AFolder, std::string& AWhy) {
    std::error_code error;
    fs::create_directories(AFolder, error);
    if (error) {
        AWhy = "the folder " + AFolder.string() + " could not be created: " + error.message();
        return false;
    }
    return true;
}

bool ReplaceFileContents(const fs::path& AFile, std::string_view AText, unsigned,
                         std::string& AWhy) {
    const fs::path& target = AFile;
    fs::path temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < kNameAttempts && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = TemporaryNameBeside(target);
        file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (file == INVALID_HANDLE_VALUE) {
        AWhy = "a new file in " + target.parent_path().string() +
               " could not be created: " + FileErrorText(static_cast<int>(::GetLastError()));
        return false;
    }
    bool written = true;
    std::size_t done = 0;
    while (written && done < AText.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(AText.size() - done, 1u << 30));
        DWORD count = 0;
        written = ::WriteFile(file, AText.data() + done, chunk, &count, nullptr) != 0;
        done += count;
    }
    written = written && ::FlushFileBuffers(file) != 0;
    const DWORD writeError = ::GetLastError();
    written = ::CloseHandle(file) != 0 && written;
    if (!written) {
        ::DeleteFileW(temporary.c_str());
        AWhy = temporary.filename().string() +
               " could not be written: " + FileErrorText(static_cast<int>(writeError));
        return false;
    }
    if (!::MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD moveError = ::GetLastError();
        ::DeleteFileW(temporary.c_str());
        AWhy = "the new file could not replace " + target.string() + ": " +
               FileErrorText(static_cast<int>(moveError));
        return false;
    }
    return true;
}

#else

int OpenRegularFile(const fs::path& AFile, int AFlags, unsigned AMode, bool AFollowLinks,
                    int& AError) {
    // O_NONBLOCK: opening a FIFO without a writer, or a device, does not wait.
    int flags = AFlags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    if (!AFollowLinks)
        flags |= O_NOFOLLOW;
    int fd = -1;
    do {
        fd = ::open(AFile.c_str(), flags, static_cast<mode_t>(AMode));
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        AError = errno;
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        AError = S_ISDIR(info.st_mode) ? EISDIR : ENODEV;
        ::close(fd);
        return -1;
    }
    // A regular file: blocking reads and writes from here on.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

TFileRead ReadRegularFile(const fs::path& AFile, std::size_t AMaxSize, bool AFollowLinks) {
    TFileRead result;
    int error = 0;
    const int fd = OpenRegularFile(AFile, O_RDONLY, 0, AFollowLinks, error);
    if (fd < 0) {
        result.Error = error;
        if (error == ENOENT)
            result.Status = TFileReadStatus::Missing;
        else if (error == ENODEV)
            result.Status = TFileReadStatus::NotRegular;
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && static_cast<std::uintmax_t>(info.st_size) > AMaxSize) {
        ::close(fd);
        result.Status = TFileReadStatus::TooLarge;
        return result;
    }
    result.Text.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            result.Error = errno;
            result.Text.clear();
            ::close(fd);
            return result;
        }
        result.Text.append(buffer, static_cast<std::size_t>(count));
        // The file may grow while it is read.
        if (result.Text.size() > AMaxSize) {
            result.Text.clear();
            ::close(fd);
            result.Status = TFileReadStatus::TooLarge;
            return result;
        }
    }
    ::close(fd);
    result.Status = TFileReadStatus::Ok;
    return result;
}

namespace {

// Whether AGroup is the user's own group: named as the user, the user's
// primary group, and no one else's.
bool IsUsersPrivateGroup(gid_t AGroup) {
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> users(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd user{};
    passwd* foundUser = nullptr;
    if (::getpwuid_r(::geteuid(), &user, users.data(), users.size(), &foundUser) != 0 ||
        foundUser == nullptr || user.pw_gid != AGroup)
        return false;
    const long groupSize = ::sysconf(_SC_GETGR_R_SIZE_MAX);
    std::vector<char> groups(groupSize > 0 ? static_cast<std::size_t>(groupSize) : 16384);
    group entry{};
    group* foundGroup = nullptr;
    int result = 0;
    while ((result = ::getgrgid_r(AGroup, &entry, groups.data(), groups.size(), &foundGroup)) ==
               ERANGE &&
           groups.size() < (1u << 24))
        groups.resize(groups.size() * 2);
    if (result != 0 || foundGroup == nullptr ||
        std::string_view(entry.gr_name) != std::string_view(user.pw_name))
        return false;
    for (char** member = entry.gr_mem; *member != nullptr; ++member)
        if (std::string_view(*member) != std::string_view(user.pw_name))
            return false;
    return true;
}

} // namespace

bool FolderIsPrivate(const fs::path& AFolder, std::string& AWhy) {
    std::error_code error;
    fs::path folder = fs::weakly_canonical(fs::absolute(AFolder, error), error);
    if (error)
        folder = AFolder;
    // As the secure shell, up to the home folder: those above it are the
    // system's, and in a sandbox may belong to an unmapped user.
    const fs::path home = UserHomeFolder();
    const fs::path realHome = home.empty() ? fs::path() : fs::weakly_canonical(home, error);
    for (fs::path current = folder;; current = current.parent_path()) {
        struct stat info {};
        if (::stat(current.c_str(), &info) != 0) {
            if (errno != ENOENT || !current.has_relative_path()) {
                AWhy = "the folder " + current.string() +
                       " could not be examined: " + FileErrorText(errno);
                return false;
            }
            continue; // not made yet: its parent decides
        }
        if (info.st_uid != ::geteuid() && info.st_uid != 0) {
            AWhy = "the folder " + current.string() +
                   " belongs to another user, who could replace what is written there";
            return false;
        }
        const bool sticky = (info.st_mode & S_ISVTX) != 0;
        if (!sticky && ((info.st_mode & S_IWOTH) != 0 ||
                        ((info.st_mode & S_IWGRP) != 0 && !IsUsersPrivateGroup(info.st_gid)))) {
            AWhy = "others can write to the folder " + current.string() +
                   " and could replace what is written there (chmod go-w makes it private)";
            return false;
        }
        if (!current.has_relative_path() || (!realHome.empty() && current == realHome))
            return true;
    }
}

bool CreatePrivateFolders(const fs::path& AFolder, std::string& AWhy) {
    fs::path current;
    for (const fs::path& part : AFolder) {
        current /= part;
        if (::mkdir(current.c_str(), 0700) != 0 && errno != EEXIST) {
            AWhy =
                "the folder " + current.string() + " could not be created: " + FileErrorText(errno);
            return false;
        }
    }
    std::error_code error;
    if (!fs::is_directory(AFolder, error)) {
        AWhy = "the folder " + AFolder.string() +
               " could not be created: " + FileErrorText(error ? error.value() : ENOTDIR);
        return false;
    }
    return true;
}

bool ReplaceFileContents(const fs::path& AFile, std::string_view AText, unsigned ANewMode,
                         std::string& AWhy) {
    const fs::path& target = AFile;
    // O_EXCL and O_NOFOLLOW: a file or link already at the name is never opened.
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
        temporary = TemporaryNameBeside(target);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    static_cast<mode_t>(ANewMode));
        if (fd < 0 && errno != EEXIST && errno != EINTR)
            break;
    }
    if (fd < 0) {
        AWhy = "a new file in " + target.parent_path().string() +
               " could not be created: " + FileErrorText(errno);
        return false;
    }
    struct stat old {};
    if (::lstat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    // The new text is on the disk before the rename can make it the file.
    std::size_t done = 0;
    int error = 0;
    while (error == 0 && done < AText.size()) {
        const ssize_t count = ::write(fd, AText.data() + done, AText.size() - done);
        if (count < 0 && errno != EINTR)
            error = errno;
        else if (count > 0)
            done += static_cast<std::size_t>(count);
    }
    if (error == 0 && ::fdatasync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        AWhy = "the new file could not be written: " + FileErrorText(error);
        return false;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        AWhy = "the new file could not replace " + target.string() + ": " + FileErrorText(error);
        return false;
    }
    // The folder is not flushed: a crash before the rename reaches the disk
    // leaves the old file, which is as good as the new one.
    return true;
}

#endif
