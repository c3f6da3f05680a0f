#include "FileHive.h"

#include "HiveFormat.h"
#include "StorageErrors.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

std::string ErrnoText(int AError) {
    return std::strerror(AError);
}

// Closes a file descriptor when it goes out of scope.
class TFd {
public:
    explicit TFd(int AFd = -1) : FFd(AFd) {}
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    TFd& operator=(TFd&& AOther) noexcept {
        if (this != &AOther) {
            Reset();
            FFd = std::exchange(AOther.FFd, -1);
        }
        return *this;
    }
    ~TFd() { Reset(); }
    int Get() const { return FFd; }
    void Reset() {
        if (FFd >= 0)
            ::close(FFd);
        FFd = -1;
    }
    // Closes now and tells whether the close succeeded (it can report a failed write).
    bool CloseChecked() {
        const int fd = std::exchange(FFd, -1);
        return ::close(fd) == 0;
    }

private:
    int FFd;
};

enum class TReadResult { Ok, Missing, Failed };

TReadResult ReadWholeFile(const fs::path& AFile, std::string& AText, int& AError) {
    AText.clear();
    TFd fd(::open(AFile.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        AError = errno;
        return AError == ENOENT ? TReadResult::Missing : TReadResult::Failed;
    }
    char buffer[16384];
    for (;;) {
        const ssize_t count = ::read(fd.Get(), buffer, sizeof buffer);
        if (count == 0)
            return TReadResult::Ok;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            AError = errno;
            return TReadResult::Failed;
        }
        AText.append(buffer, static_cast<std::size_t>(count));
    }
}

bool WriteAll(int AFd, const std::string& AText) {
    std::size_t done = 0;
    while (done < AText.size()) {
        const ssize_t count = ::write(AFd, AText.data() + done, AText.size() - done);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(count);
    }
    return true;
}

// Problems with one hive file are reported once per run, not at every read or save.
bool FirstReportFor(const fs::path& AFile, const std::string& AWhat) {
    static std::mutex FMutex;
    static std::set<std::string> FReported;
    std::lock_guard lock(FMutex);
    return FReported.insert(AFile.string() + '\n' + AWhat).second;
}

// A file or folder that exists and has no write permission for anyone, or none
// for this process.
bool ReadOnly(const fs::path& APath) {
    struct stat info {};
    if (::stat(APath.c_str(), &info) != 0)
        return false;
    return (info.st_mode & 0222) == 0 || ::access(APath.c_str(), W_OK) != 0;
}

std::string Timestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

// A value a key handle changed; IfMissing: only when the hive holds none of
// that name when the change is stored.
struct THiveChange {
    THiveValue Value;
    bool IfMissing = false;
};

class THiveFile {
public:
    explicit THiveFile(fs::path AFile) : FFile(std::move(AFile)) {}

    // The hive as it is on disk; empty when there is none. A file that cannot be
    // parsed is set aside first. False when the file exists but cannot be read,
    // or is corrupt and could not be set aside: then it must not be written.
    bool Load(THive& AHive, bool ALocked) {
        AHive = {};
        std::string text;
        int error = 0;
        switch (ReadWholeFile(FFile, text, error)) {
        case TReadResult::Missing:
            return true;
        case TReadResult::Failed:
            if (FirstReportFor(FFile, "unsaved"))
                ReportStorageError("The saved settings and high scores in " + FFile.string() +
                                   " could not be read: " + ErrnoText(error) +
                                   ". The game starts from the defaults and does not save.");
            return false;
        case TReadResult::Ok:
            break;
        }
        std::string why;
        if (ParseHive(text, AHive, why))
            return true;
        if (!ALocked) {
            // Another copy of the game may be replacing the file right now: decide
            // under the lock.
            TFd lock;
            if (!Lock(lock))
                return false;
            return Load(AHive, true);
        }
        return SetAside(why);
    }

    // Under the lock: reads the hive as it is on disk, lets AEdit change the key
    // APath (true when it changed something) and replaces the file when the key
    // is new or was changed.
    bool Update(const std::string& APath, const std::function<bool(THiveKey&)>& AEdit) {
        std::error_code code;
        fs::create_directories(FFile.parent_path(), code);
        if (code)
            return Failed("the folder " + FFile.parent_path().string() +
                          " could not be created: " + code.message());
        // Renaming over a read-only hive works in a writable folder, and root
        // writes anywhere: a hive or folder without write permission is left
        // as the player made it.
        if (ReadOnly(FFile.parent_path()))
            return Failed("the folder " + FFile.parent_path().string() + " is read-only");
        if (ReadOnly(FFile))
            return Failed("the file is read-only");
        TFd lock;
        if (!Lock(lock))
            return false;
        THive hive;
        if (!Load(hive, true))
            return false;
        const bool existed = HiveKeyExists(hive, APath);
        if (!AEdit(AddHiveKey(hive, APath)) && existed)
            return true;
        return Replace(FormatHive(hive));
    }

    // Lays AChanges over the key APath of the hive on disk and replaces the file.
    bool Store(const std::string& APath, const std::vector<THiveChange>& AChanges) {
        return Update(APath, [&](THiveKey& AKey) {
            bool changed = false;
            for (const THiveChange& change : AChanges) {
                if (!change.IfMissing || FindHiveValue(AKey, change.Value.Name) == nullptr) {
                    SetHiveValue(AKey, change.Value.Name, change.Value.Value);
                    changed = true;
                }
            }
            return changed;
        });
    }

private:
    // The exclusive lock on the lock file beside the hive. The kernel drops it
    // when the process ends, however it ends.
    bool Lock(TFd& ALock) {
        const fs::path lockName = FFile.string() + ".lock";
        TFd fd(::open(lockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
        if (fd.Get() < 0)
            return Failed(lockName.string() + " could not be opened: " + ErrnoText(errno));
        while (::flock(fd.Get(), LOCK_EX) != 0) {
            if (errno != EINTR)
                return Failed(lockName.string() + " could not be locked: " + ErrnoText(errno));
        }
        ALock = std::move(fd);
        return true;
    }

    bool SetAside(const std::string& AWhy) {
        fs::path aside = FFile.string() + ".corrupt-" + Timestamp();
        for (int n = 1; fs::exists(aside); ++n)
            aside = FFile.string() + ".corrupt-" + Timestamp() + "-" + std::to_string(n);
        const fs::path folder = FFile.parent_path();
        std::string failure;
        if (ReadOnly(folder))
            failure = "the folder " + folder.string() + " is read-only";
        else if (::rename(FFile.c_str(), aside.c_str()) != 0)
            failure = ErrnoText(errno);
        if (!failure.empty()) {
            if (FirstReportFor(FFile, "unsaved"))
                ReportStorageError("The saved settings and high scores in " + FFile.string() +
                                   " are damaged (" + AWhy +
                                   ") and could not be set aside: " + failure +
                                   ". The game starts from the defaults and does not save.");
            return false;
        }
        ReportStorageError("The saved settings and high scores in " + FFile.string() +
                           " are damaged (" + AWhy + "). The file was kept as " + aside.string() +
                           " and the game starts from the defaults.");
        return true;
    }

    bool Replace(const std::string& AText) {
        const fs::path temp = FFile.string() + ".tmp";
        TFd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
        if (fd.Get() < 0)
            return Failed(temp.string() + " could not be created: " + ErrnoText(errno));
        struct stat old {};
        if (::stat(FFile.c_str(), &old) == 0)
            ::fchmod(fd.Get(), old.st_mode & 07777);
        // The new text is on the disk before the rename can make it the hive.
        if (!WriteAll(fd.Get(), AText) || ::fdatasync(fd.Get()) != 0 || !fd.CloseChecked()) {
            const int error = errno;
            ::unlink(temp.c_str());
            return Failed(temp.string() + " could not be written: " + ErrnoText(error));
        }
        if (::rename(temp.c_str(), FFile.c_str()) != 0) {
            const int error = errno;
            ::unlink(temp.c_str());
            return Failed(temp.string() + " could not be renamed: " + ErrnoText(error));
        }
        // The folder is not flushed: a crash before the rename reaches the disk
        // leaves the old hive, which is as safe as the new one, and saves a flush.
        return true;
    }

    // The game saves several times (each high score, the settings at exit):
    // that it cannot save to this file is said once per run.
    bool Failed(const std::string& AWhy) {
        if (FirstReportFor(FFile, "unsaved"))
            ReportStorageError("The settings and high scores could not be saved to " +
                               FFile.string() + ": " + AWhy + ".");
        return false;
    }

    fs::path FFile;
};

// The values of one key of a parsed hive, read through the registry interface.
class THiveKeyReader : public IRegistryKey {
public:
    explicit THiveKeyReader(const THiveKey& AValues) : FRead(AValues) {}

    std::vector<std::string> ValueNames() const override {
        std::vector<std::string> names;
        names.reserve(FRead.Values.size());
        for (const THiveValue& value : FRead.Values)
            names.push_back(value.Name);
        return names;
    }

    std::optional<TRegValue> QueryValue(const std::string& AName) const override {
        if (const THiveValue* value = FindHiveValue(FRead, AName))
            return value->Value;
        return std::nullopt;
    }

private:
    const THiveKey& FRead;
};

// A key of the hive read under the lock: changes go straight into it, and the
// update that made it writes the file once the edit is done.
class THiveKeyEditor : public THiveKeyReader {
public:
    explicit THiveKeyEditor(THiveKey& AKey) : THiveKeyReader(AKey), FKey(AKey) {}

    bool SetValue(const std::string& AName, const TRegValue& AValue) override {
        const THiveValue* old = FindHiveValue(FKey, AName);
        if (old == nullptr || !(old->Value == AValue)) {
            SetHiveValue(FKey, AName, AValue);
            FChanged = true;
        }
        return true;
    }
    bool Close() override { return true; }
    bool Changed() const { return FChanged; }

private:
    THiveKey& FKey;
    bool FChanged = false;
};

class TFileHiveKey : public THiveKeyReader {
public:
    TFileHiveKey(fs::path AFile, std::string APath, std::vector<THiveValue> AValues, bool ACreated)
        : THiveKeyReader(FValues), FFile(std::move(AFile)),
          FPath(std::move(APath)), FValues{{}, std::move(AValues)}, FCreated(ACreated) {}
    ~TFileHiveKey() override { Close(); }

    bool SetValue(const std::string& AName, const TRegValue& AValue) override {
        if (FClosed)
            return false;
        const THiveValue* old = FindHiveValue(FValues, AName);
        if (old != nullptr && old->Value == AValue && FindChange(AName) == nullptr)
            return true; // unchanged: nothing to store
        SetHiveValue(FValues, AName, AValue);
        Change(AName, AValue, false);
        return true;
    }

    bool SetValueIfMissing(const std::string& AName, const TRegValue& AValue) override {
        if (FClosed)
            return false;
        if (FindHiveValue(FValues, AName) == nullptr) {
            SetHiveValue(FValues, AName, AValue);
            Change(AName, AValue, true);
        }
        return true;
    }

    bool Close() override {
        if (FClosed)
            return true;
        FClosed = true;
        if (FChanges.empty() && !FCreated)
            return true;
        try {
            return THiveFile(FFile).Store(FPath, FChanges);
        } catch (const std::exception& e) {
            ReportStorageError("The settings and high scores could not be saved to " +
                               FFile.string() + ": " + e.what() + ".");
            return false;
        }
    }

private:
    THiveChange* FindChange(const std::string& AName) {
        for (THiveChange& change : FChanges)
            if (SameRegistryName(change.Value.Name, AName))
                return &change;
        return nullptr;
    }

    // A later change of the same value replaces the earlier one in its place.
    void Change(const std::string& AName, const TRegValue& AValue, bool AIfMissing) {
        if (THiveChange* change = FindChange(AName))
            *change = {{change->Value.Name, AValue}, AIfMissing};
        else
            FChanges.push_back({{AName, AValue}, AIfMissing});
    }

    fs::path FFile;
    std::string FPath;
    THiveKey FValues;                  // what the key holds for this handle
    std::vector<THiveChange> FChanges; // what this handle changed, in order of change
    bool FCreated = false;             // the key did not exist before this handle
    bool FClosed = false;
};

} // namespace

TFileHive::TFileHive(fs::path AFileName) : FFileName(std::move(AFileName)) {}

fs::path TFileHive::DefaultFileName() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    fs::path base;
    if (xdg != nullptr && *xdg != '\0') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home != nullptr ? home : "") / ".config";
    }
    return base / "Varnholt" / "Tolmir.reg";
}

std::unique_ptr<IRegistryKey> TFileHive::OpenKey(const std::string& APath) {
    THive hive;
    THiveFile(FFileName).Load(hive, false);
    if (!HiveKeyExists(hive, APath))
        return nullptr;
    const THiveKey* key = FindHiveKey(hive, APath);
    THiveKey values{NormalizeKeyPath(APath), {}};
    if (key != nullptr)
        values = *key;
    return std::make_unique<TFileHiveKey>(FFileName, values.Path, values.Values, false);
}

std::unique_ptr<IRegistryKey> TFileHive::CreateKey(const std::string& APath) {
    THive hive;
    THiveFile(FFileName).Load(hive, false);
    const THiveKey* key = FindHiveKey(hive, APath);
    const std::string path = key != nullptr ? key->Path : NormalizeKeyPath(APath);
    std::vector<THiveValue> values;
    if (key != nullptr)
        values = key->Values;
    return std::make_unique<TFileHiveKey>(FFileName, path, values, !HiveKeyExists(hive, APath));
}

bool TFileHive::UpdateKey(const std::string& APath,
                          const std::function<void(IRegistryKey&)>& AEdit) {
    try {
        return THiveFile(FFileName).Update(NormalizeKeyPath(APath), [&](THiveKey& AKey) {
            THiveKeyEditor key(AKey);
            AEdit(key);
            return key.Changed();
        });
    } catch (const std::exception& e) {
        ReportStorageError("The settings and high scores could not be saved to " +
                           FFileName.string() + ": " + e.what() + ".");
        return false;
    }
}

std::unique_ptr<IRegistry> CreateCurrentUserRegistry() {
    return std::make_unique<TFileHive>(TFileHive::DefaultFileName());
}
