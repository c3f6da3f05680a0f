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
// A save whose hive would be larger than kMaxHiveSize, which the next read would
// refuse, fails and leaves the file as it was.
//
// A file that cannot be parsed, is larger than kMaxHiveSize or is no regular
// file (a FIFO, a device) is never overwritten: it is renamed to
// "Tolmir.reg.corrupt-<timestamp>", reported once, and the hive starts empty.
// Files are opened without blocking and never through a link planted at the
// lock's or a temporary file's name; a link at the hive's own name is followed,
// and its target is replaced in the target's folder.

#include "Registry.h"

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
