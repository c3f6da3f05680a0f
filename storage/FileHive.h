#pragma once
// The registry of platforms without one: a file hive (HiveFormat.h) for the
// current user at $XDG_CONFIG_HOME/Varnholt/Tolmir.reg.
//
// Reading never writes. A key's changes reach the file when the key is closed:
// under an exclusive flock on "Tolmir.reg.lock" beside the hive, the file is read
// again, only the values this key changed are laid over it, and the result is
// written to a temporary file, flushed to disk and renamed over the hive. Another
// process's changes survive, and a crash leaves the old file or the new one.
//
// The reader skips a line it cannot read and keeps the rest (HiveFormat.h). A
// save writes only what was read: before the first save over a file with such
// lines, the file as it was is kept as "Tolmir.reg.corrupt-<timestamp>" and the
// player is told which lines are not in the saved file.
//
// A save whose hive would be larger than kMaxHiveSize, which the next read would
// refuse, fails and leaves the file as it was.
//
// A file with nothing readable, one larger than kMaxHiveSize or one that is no
// regular file (a FIFO, a device) is never overwritten: it is renamed to
// "Tolmir.reg.corrupt-<timestamp>", reported once, and the hive starts empty. A
// link at the hive's name is what is renamed, never the file it leads to.
//
// Files are opened without blocking and never through a link planted at the
// lock's or a temporary file's name. A link at the hive's own name is read
// through, but written through only when it leads to a file of the player in
// the hive's own folder; any other link makes the save fail with the reason.
// Nothing is saved into a folder that others can write to (FolderIsPrivate in
// SafeFile.h); the hive's folder is made readable by the player alone.

#include "storage/Registry.h"

#include <filesystem>
#include <memory>
#include <string>

class TFileHive : public IRegistry {
public:
    explicit TFileHive(std::filesystem::path AFileName);

    // Varnholt/Tolmir.reg in the user's configuration folder (UserFolders.h);
    // empty when there is none, and then nothing is saved.
    static std::filesystem::path DefaultFileName();

    const std::filesystem::path& FileName() const { return FFileName; }

    std::unique_ptr<IRegistryKey> OpenKey(const std::string& APath) override;
    std::unique_ptr<IRegistryKey> CreateKey(const std::string& APath) override;
    bool UpdateKey(const std::string& APath,
                   const std::function<void(IRegistryKey&)>& AEdit) override;
    std::string Location() const override;
    std::string SaveFailure() const override;

private:
    std::filesystem::path FFileName;
    std::shared_ptr<std::string> FSaveFailure; // shared with the keys it opens
};
