#pragma once
// Files that another program may have replaced or planted. Reading never blocks
// on a FIFO or a device and accepts only a regular file. Replacing writes a new
// file under a unique name beside the target, created exclusively and never
// through a symbolic link, flushes it and renames it over the target, so that a
// crash leaves the old content or the new one and a planted link at the
// temporary name leads nowhere. Writers check first that a link at the file's
// name stays in its own folder and that no one else can write to the folder.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

enum class TFileReadStatus {
    Ok,
    Missing,    // no file of that name (or a dangling link)
    NotRegular, // a FIFO, device or socket: treated as a damaged file
    TooLarge,   // larger than the caller accepts
    Failed,     // cannot be read (a directory gives EISDIR)
};

struct TFileRead {
    TFileReadStatus Status = TFileReadStatus::Failed;
    std::string Text;
    int Error = 0; // the errno of Failed
};

// Reads the whole of AFile when it is a regular file of at most AMaxSize bytes.
// AFollowLinks false refuses a symbolic link at AFile itself (Failed, ELOOP).
TFileRead ReadRegularFile(const std::filesystem::path& AFile, std::size_t AMaxSize,
                          bool AFollowLinks = true);

// The system's text of an errno value.
std::string FileErrorText(int AError);

// The file that AFile names after following symbolic links: AFile itself when
// it is no link. A link whose target is missing gives that target. False, with
// the reason, for a loop of links.
bool ResolveFileLinks(const std::filesystem::path& AFile, std::filesystem::path& AResolved,
                      std::string& AWhy);

// The file that a write to AFile may replace: AFile itself, or the file that a
// symbolic link at AFile leads to when that file lies in AFile's own folder (or
// a folder below it) and, where it exists, belongs to this user. False, with the
// reason, for a link anywhere else or a loop of links: another program or person
// may have planted it to make the write land on one of the user's files.
bool WriteTargetOf(const std::filesystem::path& AFile, std::filesystem::path& ATarget,
                   std::string& AWhy);

// Whether only this user (and the administrator) can change what AFolder and
// every folder above it, up to the user's home folder, hold. A folder that others may write to lets
// them swap a file or plant a link between a check and a write, so nothing is written there, as the
// secure shell refuses its keys in such a folder: a folder must belong to the user or the
// administrator, and may be writable by its group or everyone only with the sticky bit (only an
// entry's owner may then remove or rename it) or, for the group, when that is the user's own
// private group. A folder that does not exist yet counts as its nearest existing parent. False,
// with the reason, otherwise. Always true on Windows, whose profile folders are
// private through their access lists.
bool FolderIsPrivate(const std::filesystem::path& AFolder, std::string& AWhy);

// Creates AFolder and its missing parents, each readable only by this user
// (0700, as the XDG base directory rules ask). False, with the reason, when
// one cannot be created.
bool CreatePrivateFolders(const std::filesystem::path& AFolder, std::string& AWhy);

// Replaces the file at AFile with AText. A symbolic link at AFile is never
// followed: the link itself is replaced (WriteTargetOf finds a file a link may
// lead to). The new file has the old regular file's permissions, or ANewMode
// (less the umask) when there was none. False, with the reason, when any step
// fails: the old file is then unchanged and no temporary file is left.
bool ReplaceFileContents(const std::filesystem::path& AFile, std::string_view AText,
                         unsigned ANewMode, std::string& AWhy);

// The temporary files that replacements of AFile left behind when their
// process was killed. RemoveLeftovers removes them: only while no replacement
// of AFile can be under way (under a lock that every writer takes).
std::vector<std::filesystem::path> LeftoverTemporaryFiles(const std::filesystem::path& AFile);
void RemoveLeftoverTemporaryFiles(const std::filesystem::path& AFile);

#if !defined(_WIN32)
// Opens AFile with AFlags (O_RDONLY, O_RDWR, O_CREAT, ...) without blocking on
// a FIFO or a device, close-on-exec, and keeps the descriptor only for a regular
// file. -1 otherwise, with AError: EISDIR for a directory, ENODEV for any other
// kind of file, or the system's error. AFollowLinks false adds O_NOFOLLOW.
int OpenRegularFile(const std::filesystem::path& AFile, int AFlags, unsigned AMode,
                    bool AFollowLinks, int& AError);
#endif
