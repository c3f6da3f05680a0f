#include "storage/FileHive.h"

#include "files/SafeFile.h"
#include "files/UserFolders.h"
#include "game/Texts.h"
#include "storage/HiveFormat.h"
#include "storage/StorageErrors.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

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

private:
    int FFd;
};

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

std::string HiveLimitText() {
    return std::to_string(kMaxHiveSize >> 20) + " MB";
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
    bool Respell = false; // the stored value takes this change's spelling
};

// Why the last save of a hive failed; empty once the player has been told.
using TSaveFailure = std::shared_ptr<std::string>;

class THiveFile {
public:
    THiveFile(fs::path AFile, TSaveFailure AFailure)
        : FFile(std::move(AFile)), FFailure(std::move(AFailure)) {}

    // The hive as it is on disk; empty when there is none. A file that cannot be
    // parsed is set aside first. False when the file exists but cannot be read,
    // or is corrupt and could not be set aside: then it must not be written.
    bool Load(THive& AHive, bool ALocked) {
        AHive = {};
        FSkipped = {};
        FReadText.clear();
        TFileRead read = ReadRegularFile(FFile, kMaxHiveSize);
        std::string why;
        switch (read.Status) {
        case TFileReadStatus::Missing:
            return true;
        case TFileReadStatus::Failed:
            if (FirstReportFor(FFile, "unsaved"))
                ReportStorageError(TxArgs(
                    Tx("FileHive", "The saved settings and high scores in %1 could not be read: "
                                   "%2. The game starts from the defaults and does not save."),
                    {FFile.string(), FileErrorText(read.Error)}));
            return Told();
        case TFileReadStatus::NotRegular:
            why = Tx("FileHive", "it is not a regular file");
            break;
        case TFileReadStatus::TooLarge:
            why = TxArgs(Tx("FileHive", "it is larger than %1"), {HiveLimitText()});
            break;
        case TFileReadStatus::Ok:
            if (ParseHive(read.Text, AHive, why, &FSkipped)) {
                if (FSkipped.Count > 0)
                    FReadText = std::move(read.Text);
                return true;
            }
            break;
        }
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
        if (!FFile.is_absolute())
            return Failed(Tx("FileHive", "no home folder is known"));
        // Nothing is written where others could swap the file or plant a link.
        std::string why;
        if (!FolderIsPrivate(FFile.parent_path(), why) ||
            !CreatePrivateFolders(FFile.parent_path(), why))
            return Failed(why);
        // A link at the hive's name is followed only to a file of the player in
        // the hive's own folder: that file is replaced in its folder, and the
        // link stays.
        fs::path target;
        if (!WriteTargetOf(FFile, target, why) ||
            (target != FFile && !FolderIsPrivate(target.parent_path(), why)))
            return Failed(why);
        // Renaming over a read-only hive works in a writable folder, and root
        // writes anywhere: a hive or folder without write permission is left
        // as the player made it.
        if (ReadOnly(target.parent_path()))
            return Failed(TxArgs(Tx("FileHive", "the folder %1 is read-only"),
                                 {target.parent_path().string()}));
        if (ReadOnly(target))
            return Failed(Tx("FileHive", "the file is read-only"));
        TFd lock;
        if (!Lock(lock))
            return false;
        // What a killed save left; no other save runs while the lock is held.
        RemoveLeftoverTemporaryFiles(target);
        THive hive;
        if (!Load(hive, true))
            return false;
        const bool existed = HiveKeyExists(hive, APath);
        if (!AEdit(AddHiveKey(hive, APath)) && existed)
            return true;
        // The limit of the reader holds for the writer too: a hive the next read
        // would refuse and set aside is never written.
        const std::string text = FormatHive(hive);
        if (text.size() > kMaxHiveSize)
            return Failed(
                TxArgs(Tx("FileHive", "the file would be larger than %1"), {HiveLimitText()}));
        if (!KeepUnreadLines())
            return false;
        if (!ReplaceFileContents(target, text, 0666, why))
            return Failed(why);
        return true;
    }

    // Lays AChanges over the key APath of the hive on disk and replaces the file.
    bool Store(const std::string& APath, const std::vector<THiveChange>& AChanges) {
        return Update(APath, [&](THiveKey& AKey) {
            bool changed = false;
            for (const THiveChange& change : AChanges) {
                if (!change.IfMissing || FindHiveValue(AKey, change.Value.Name) == nullptr) {
                    SetHiveValue(AKey, change.Value.Name, change.Value.Value, change.Respell);
                    changed = true;
                }
            }
            return changed;
        });
    }

private:
    // The exclusive lock on the lock file beside the hive. The kernel drops it
    // when the process ends, however it ends. A link or anything but a regular
    // file at its name is refused.
    bool Lock(TFd& ALock) {
        const fs::path lockName = FFile.string() + ".lock";
        int error = 0;
        TFd fd(OpenRegularFile(lockName, O_RDWR | O_CREAT, 0600, false, error));
        if (fd.Get() < 0)
            return Failed(
                TxArgs(Tx("FileHive", "%1 could not be opened: %2"),
                       {lockName.string(), error == ENODEV || error == ELOOP
                                               ? Tx("FileHive", "it is not a regular file")
                                               : FileErrorText(error)}));
        while (::flock(fd.Get(), LOCK_EX) != 0) {
            if (errno != EINTR)
                return Failed(TxArgs(Tx("FileHive", "%1 could not be locked: %2"),
                                     {lockName.string(), FileErrorText(errno)}));
        }
        ALock = std::move(fd);
        return true;
    }

    // "Tolmir.reg.corrupt-<timestamp>" beside the hive, not taken yet.
    fs::path AsideName() const {
        fs::path aside = FFile.string() + ".corrupt-" + Timestamp();
        for (int n = 1; fs::exists(fs::symlink_status(aside)); ++n)
            aside = FFile.string() + ".corrupt-" + Timestamp() + "-" + std::to_string(n);
        return aside;
    }

    // Keeps a damaged file aside under another name in the hive's folder. A link
    // at the hive's name is what is renamed: the file it leads to, wherever that
    // is, stays as it is.
    bool SetAside(const std::string& AWhy) {
        const fs::path aside = AsideName();
        const fs::path folder = FFile.parent_path();
        std::string failure;
        if (ReadOnly(folder))
            failure = TxArgs(Tx("FileHive", "the folder %1 is read-only"), {folder.string()});
        else if (::rename(FFile.c_str(), aside.c_str()) != 0)
            failure = FileErrorText(errno);
        if (!failure.empty()) {
            if (FirstReportFor(FFile, "unsaved"))
                ReportStorageError(TxArgs(
                    Tx("FileHive", "The saved settings and high scores in %1 are damaged or too "
                                   "large (%2) and could not be set aside: %3. The game starts "
                                   "from the defaults and does not save."),
                    {FFile.string(), AWhy, failure}));
            return Told();
        }
        ReportStorageError(TxArgs(Tx("FileHive", "The saved settings and high scores in %1 are "
                                                 "damaged or too large (%2). The file was kept as "
                                                 "%3 and the game starts from the defaults."),
                                  {FFile.string(), AWhy, aside.string()}));
        return true;
    }

    // A save writes what could be read. Lines the last load skipped would be
    // lost with it: the file as it was is kept beside it first, and the player
    // is told which lines are not in the saved file.
    bool KeepUnreadLines() {
        if (FSkipped.Count == 0)
            return true;
        const fs::path copy = AsideName();
        std::string why;
        if (!ReplaceFileContents(copy, FReadText, 0600, why))
            return Failed(TxArgs(
                Tx("FileHive", "the lines that could not be read could not be kept aside: %1"),
                {why}));
        std::string lines;
        for (const std::string& line : FSkipped.First)
            lines += (lines.empty() ? "" : "; ") + line;
        if (FSkipped.Count > FSkipped.First.size()) {
            const int more = static_cast<int>(FSkipped.Count - FSkipped.First.size());
            lines += Tx("FileHive", "; and %n more", nullptr, more);
        }
        ReportStorageError(
            TxArgs(Tx("FileHive", "Some lines of %1 could not be read (%2) and are "
                                  "not in the saved file. The file as it was is kept "
                                  "as %3."),
                   {FFile.string(), lines, copy.string()}));
        return true;
    }

    bool Failed(const std::string& AWhy) {
        *FFailure = AWhy;
        return false;
    }
    // The player has been told that nothing is saved to this file.
    bool Told() {
        FFailure->clear();
        return false;
    }

    fs::path FFile;
    TSaveFailure FFailure;
    THiveSkippedLines FSkipped; // what the last load could not read
    std::string FReadText;      // the text of that load, when it skipped lines
};

// The key APath of a parsed hive, taken out of it with its values' index; an
// empty key when it has no section of its own.
THiveKey TakeHiveKey(THive& AHive, std::string_view APath) {
    if (THiveKey* key = FindHiveKey(AHive, APath))
        return std::move(*key);
    return {NormalizeKeyPath(APath), {}, {}};
}

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

    std::vector<std::pair<std::string, TRegValue>> Values() const override {
        std::vector<std::pair<std::string, TRegValue>> values;
        values.reserve(FRead.Values.size());
        for (const THiveValue& value : FRead.Values)
            values.emplace_back(value.Name, value.Value);
        return values;
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
    bool SetValueRespelled(const std::string& AName, const TRegValue& AValue) override {
        const THiveValue* old = FindHiveValue(FKey, AName);
        if (old == nullptr || !(old->Value == AValue) || old->Name != AName) {
            SetHiveValue(FKey, AName, AValue, true);
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
    TFileHiveKey(fs::path AFile, TSaveFailure AFailure, std::string APath, THiveKey AValues,
                 bool ACreated)
        : THiveKeyReader(FValues), FFile(std::move(AFile)), FFailure(std::move(AFailure)),
          FPath(std::move(APath)), FValues(std::move(AValues)), FCreated(ACreated) {}
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

    bool SetValueRespelled(const std::string& AName, const TRegValue& AValue) override {
        if (FClosed)
            return false;
        SetHiveValue(FValues, AName, AValue, true);
        Change(AName, AValue, false, true);
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
            return THiveFile(FFile, FFailure).Store(FPath, FChanges);
        } catch (const std::exception& e) {
            *FFailure = e.what();
            return false;
        }
    }

private:
    THiveChange* FindChange(const std::string& AName) {
        const std::size_t found =
            FChangeIndex.Find(AName, FChanges.size(), [&](std::size_t i) -> std::string_view {
                return FChanges[i].Value.Name;
            });
        return found < FChanges.size() ? &FChanges[found] : nullptr;
    }

    // A later change of the same value replaces the earlier one in its place;
    // a respelling one gives it its spelling (only the letter case differs: the
    // index stays valid).
    void Change(const std::string& AName, const TRegValue& AValue, bool AIfMissing,
                bool ARespell = false) {
        if (THiveChange* change = FindChange(AName))
            *change = {{ARespell ? AName : change->Value.Name, AValue},
                       AIfMissing,
                       ARespell || change->Respell};
        else
            FChanges.push_back({{AName, AValue}, AIfMissing, ARespell});
    }

    fs::path FFile;
    TSaveFailure FFailure;
    std::string FPath;
    THiveKey FValues;                  // what the key holds for this handle
    std::vector<THiveChange> FChanges; // what this handle changed, in order of change
    THiveNameIndex FChangeIndex;
    bool FCreated = false; // the key did not exist before this handle
    bool FClosed = false;
};

} // namespace

TFileHive::TFileHive(fs::path AFileName)
    : FFileName(std::move(AFileName)), FSaveFailure(std::make_shared<std::string>()) {}

fs::path TFileHive::DefaultFileName() {
    const fs::path config = UserConfigFolder();
    return config.empty() ? fs::path() : config / "Varnholt" / "Tolmir.reg";
}

std::string TFileHive::Location() const {
    return FFileName.empty() ? Tx("FileHive", "the settings file") : FFileName.string();
}

std::string TFileHive::SaveFailure() const {
    return *FSaveFailure;
}

std::unique_ptr<IRegistryKey> TFileHive::OpenKey(const std::string& APath) {
    THive hive;
    THiveFile(FFileName, FSaveFailure).Load(hive, false);
    if (!HiveKeyExists(hive, APath))
        return nullptr;
    THiveKey key = TakeHiveKey(hive, APath);
    std::string path = key.Path;
    return std::make_unique<TFileHiveKey>(FFileName, FSaveFailure, std::move(path), std::move(key),
                                          false);
}

std::unique_ptr<IRegistryKey> TFileHive::CreateKey(const std::string& APath) {
    THive hive;
    THiveFile(FFileName, FSaveFailure).Load(hive, false);
    const bool existed = HiveKeyExists(hive, APath);
    THiveKey key = TakeHiveKey(hive, APath);
    std::string path = key.Path;
    return std::make_unique<TFileHiveKey>(FFileName, FSaveFailure, std::move(path), std::move(key),
                                          !existed);
}

bool TFileHive::UpdateKey(const std::string& APath,
                          const std::function<void(IRegistryKey&)>& AEdit) {
    try {
        return THiveFile(FFileName, FSaveFailure)
            .Update(NormalizeKeyPath(APath), [&](THiveKey& AKey) {
                THiveKeyEditor key(AKey);
                AEdit(key);
                return key.Changed();
            });
    } catch (const std::exception& e) {
        *FSaveFailure = e.what();
        return false;
    }
}

std::unique_ptr<IRegistry> CreateCurrentUserRegistry() {
    return std::make_unique<TFileHive>(TFileHive::DefaultFileName());
}
