// The hive against files and environments another program or person arranged:
// links planted beside it, FIFOs and oversized files in its place, relative or
// missing folders, a file system that refuses every write, foreign line ends.
// Everything happens on real files in a temporary folder.

#include "files/SafeFile.h"
#include "files/UserFolders.h"
#include "storage/FileHive.h"
#include "storage/HiveFormat.h"
#include "tests/storage/StorageTestSupport.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <future>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kKey = "Software\\Varnholt\\Tolmir";

struct TFileState {
    std::string Bytes;
    mode_t Mode = 0;
    bool operator==(const TFileState&) const = default;
};

TFileState StateOf(const fs::path& AFile) {
    struct stat info {};
    if (::lstat(AFile.c_str(), &info) != 0)
        return {};
    return {ReadText(AFile), info.st_mode};
}

void MakeFile(const fs::path& AFile, const std::string& AText, mode_t AMode) {
    fs::create_directories(AFile.parent_path());
    std::ofstream(AFile, std::ios::binary) << AText;
    ::chmod(AFile.c_str(), AMode);
}

// Stores A = AText through a hive at the default place; true when it was saved.
bool SaveA(TFileHive& AHive, const std::string& AText) {
    auto key = AHive.CreateKey(kKey);
    return key != nullptr && key->SetValue("A", RegStringValue(AText)) && key->Close();
}

std::vector<std::string> Names(const fs::path& AFolder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(AFolder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs AWork on another thread. Should it wait on the FIFO AFifo, the FIFO is
// opened for writing after a long while, which lets it go on: a test that
// would hang fails instead.
bool FinishesWithoutWaitingOn(const fs::path& AFifo, const std::function<void()>& AWork) {
    auto done = std::async(std::launch::async, AWork);
    if (done.wait_for(std::chrono::seconds(30)) == std::future_status::ready) {
        done.get();
        return true;
    }
    const int writer = ::open(AFifo.c_str(), O_WRONLY | O_NONBLOCK);
    done.wait();
    if (writer >= 0)
        ::close(writer);
    return false;
}

using HostileFiles = TStorageTest;

TEST_F(HostileFiles, LinksPlantedBesideTheHiveLeadNowhere) {
    const fs::path victim = FDir / "outside" / "victim";
    const fs::path missing = FDir / "outside" / "created";
    MakeFile(victim, "precious\n", 0600);
    const TFileState before = StateOf(victim);
    TFileHive hive(HivePath());
    ASSERT_TRUE(SaveA(hive, "first"));

    // Links at the names a temporary file once had.
    for (const char* suffix : {".tmp", ".tmp-0-0", ".new", "~"})
        fs::create_symlink(victim, HivePath().string() + suffix);
    ASSERT_TRUE(SaveA(hive, "second"));
    EXPECT_EQ(StateOf(victim), before);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(HivePath())));
    EXPECT_EQ(TFileHive(HivePath()).OpenKey(kKey)->QueryValue("A"), RegStringValue("second"));

    // A link at the lock's name: nothing is saved, nothing is created or
    // changed where it leads, and the reason is given.
    for (const fs::path& target : {missing, victim}) {
        SCOPED_TRACE(target.string());
        const std::string hiveText = HiveText();
        fs::remove(HivePath().string() + ".lock");
        fs::create_symlink(target, HivePath().string() + ".lock");
        EXPECT_FALSE(SaveA(hive, "third"));
        EXPECT_NE(hive.SaveFailure().find("Tolmir.reg.lock could not be opened: it is not a "
                                          "regular file"),
                  std::string::npos)
            << hive.SaveFailure();
        EXPECT_EQ(HiveText(), hiveText);
        EXPECT_FALSE(fs::exists(fs::symlink_status(missing)));
        EXPECT_EQ(StateOf(victim), before);
    }
    EXPECT_TRUE(FErrors.empty());
}

// A link at the hive's name is written through only to a file of the player in
// the hive's own folder; any other link fails the save with the reason and
// stays, with the file it leads to, as it was. A link to a file with nothing
// readable is what is set aside, never that file.
TEST_F(HostileFiles, LinksAtTheHiveLeadOnlyToThePlayersFilesInItsFolder) {
    const std::string text = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\" + kKey +
                             "]\n\"A\"=\"old\"\n";
    const fs::path folder = HivePath().parent_path();
    const fs::path inside = folder / "profiles" / "ann.reg";
    MakeFile(inside, text, 0640);
    fs::create_symlink("profiles/ann.reg", HivePath());
    TFileHive linked(HivePath());
    EXPECT_EQ(linked.OpenKey(kKey)->QueryValue("A"), RegStringValue("old"));
    ASSERT_TRUE(SaveA(linked, "new")) << linked.SaveFailure();
    EXPECT_TRUE(fs::is_symlink(HivePath()));
    EXPECT_NE(ReadText(inside).find("\"A\"=\"new\""), std::string::npos);
    EXPECT_EQ(StateOf(inside).Mode & 07777, 0640u);

    // The target's folder cannot be written: the player is told.
    const TFileState saved = StateOf(inside);
    fs::permissions(inside.parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(SaveA(linked, "newer"));
    fs::permissions(inside.parent_path(), fs::perms::owner_all);
    EXPECT_NE(linked.SaveFailure().find(inside.parent_path().string() + " is read-only"),
              std::string::npos)
        << linked.SaveFailure();
    EXPECT_EQ(StateOf(inside), saved);

    // Elsewhere, or a file of another user (needs the administrator to make).
    const fs::path outside = FDir / "dotfiles" / "tolmir.reg";
    MakeFile(outside, text, 0600);
    std::vector<std::pair<fs::path, std::string>> refused = {
        {outside, "it is a link to " + outside.string() + " outside " + folder.string()}};
    if (::geteuid() == 0) {
        const fs::path foreign = folder / "foreign.reg";
        MakeFile(foreign, text, 0666);
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
        refused.push_back({foreign, "which belongs to another user"});
    }
    for (const auto& [target, why] : refused) {
        SCOPED_TRACE(target.string());
        fs::remove(HivePath());
        fs::create_symlink(target, HivePath());
        const TFileState before = StateOf(target);
        TFileHive hive(HivePath());
        EXPECT_EQ(hive.OpenKey(kKey)->QueryValue("A"), RegStringValue("old"));
        EXPECT_FALSE(SaveA(hive, "planted"));
        EXPECT_NE(hive.SaveFailure().find(why), std::string::npos) << hive.SaveFailure();
        EXPECT_EQ(StateOf(target), before);
        EXPECT_TRUE(fs::is_symlink(HivePath()));
    }

    // A link to a file that holds no hive (the player's shell profile): the
    // link is set aside, the profile stays, and a hive of its own takes the name.
    const fs::path profile = FDir / ".profile";
    MakeFile(profile, "if [ -d \"$HOME/bin\" ] ; then\n    PATH=\"$HOME/bin:$PATH\"\nfi\n", 0644);
    const TFileState before = StateOf(profile);
    fs::remove(HivePath());
    fs::create_symlink(profile, HivePath());
    TFileHive hive(HivePath());
    EXPECT_TRUE(SaveA(hive, "fresh")) << hive.SaveFailure();
    EXPECT_EQ(StateOf(profile), before);
    const auto aside = FilesStartingWith("Tolmir.reg.corrupt-");
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(fs::read_symlink(aside[0]), profile);
    EXPECT_EQ(TFileHive(HivePath()).OpenKey(kKey)->QueryValue("A"), RegStringValue("fresh"));
    ASSERT_EQ(FErrors.size(), 1u);
    EXPECT_NE(FErrors[0].find("nothing could be read; line 1: unexpected text"), std::string::npos)
        << FErrors[0];
}

// Nothing is saved where others could swap the file or plant a link: in the
// hive's folder or one above it that others can write to, unless it is sticky
// or the group is the player's own. The folders the game makes are private.
TEST_F(HostileFiles, NothingIsSavedIntoAFolderOthersCanWriteTo) {
    const fs::path folder = HivePath().parent_path();
    TFileHive hive(HivePath());
    ASSERT_TRUE(SaveA(hive, "first"));
    EXPECT_EQ(StateOf(folder).Mode & 07777, 0700u);
    const std::string stored = HiveText();
    ::chmod(folder.c_str(), 0777);
    EXPECT_FALSE(SaveA(hive, "second"));
    EXPECT_NE(hive.SaveFailure().find("others can write to the folder " + folder.string()),
              std::string::npos)
        << hive.SaveFailure();
    EXPECT_EQ(HiveText(), stored);
    ::chmod(folder.c_str(), 01777);
    EXPECT_TRUE(SaveA(hive, "sticky")) << hive.SaveFailure();
    if (::geteuid() == 0) {
        ::chmod(folder.c_str(), 0770);
        EXPECT_TRUE(SaveA(hive, "own group")) << hive.SaveFailure();
        ASSERT_EQ(::chown(folder.c_str(), static_cast<uid_t>(-1), 1), 0); // daemon's
        EXPECT_FALSE(SaveA(hive, "other group"));
    }

    // A missing folder below one that others can write to is not made.
    fs::remove_all(folder);
    ::chmod(FDir.c_str(), 0777);
    EXPECT_FALSE(SaveA(hive, "third"));
    ::chmod(FDir.c_str(), 0700);
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(FErrors.empty());
}

TEST_F(HostileFiles, WrongKindsOfFileAreSetAsideWithoutWaiting) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"a FIFO", [](const fs::path& AHive) { ASSERT_EQ(::mkfifo(AHive.c_str(), 0600), 0); },
         "(it is not a regular file)"},
        {"a file over 16 MB",
         [](const fs::path& AHive) {
             std::ofstream(AHive) << "Windows Registry Editor Version 5.00\n";
             fs::resize_file(AHive, kMaxHiveSize + 1);
         },
         "(it is larger than 16 MB)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(HivePath().parent_path());
        fs::create_directories(HivePath().parent_path());
        c.make(HivePath());
        FErrors.clear();
        TFileHive hive(HivePath());
        ASSERT_TRUE(FinishesWithoutWaitingOn(HivePath(), [&] {
            EXPECT_EQ(hive.OpenKey(kKey), nullptr);
            EXPECT_TRUE(SaveA(hive, "fresh"));
        }));
        ASSERT_EQ(FErrors.size(), 1u);
        EXPECT_NE(FErrors[0].find("are damaged or too large " + std::string(c.reason)),
                  std::string::npos)
            << FErrors[0];
        EXPECT_EQ(FilesStartingWith("Tolmir.reg.corrupt-").size(), 1u);
        EXPECT_EQ(hive.OpenKey(kKey)->QueryValue("A"), RegStringValue("fresh"));
    }

    // A FIFO at the lock's name: the save fails at once and says why.
    fs::remove_all(HivePath().parent_path());
    fs::create_directories(HivePath().parent_path());
    const fs::path lock = HivePath().string() + ".lock";
    ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0);
    TFileHive hive(HivePath());
    ASSERT_TRUE(FinishesWithoutWaitingOn(lock, [&] { EXPECT_FALSE(SaveA(hive, "x")); }));
    EXPECT_NE(hive.SaveFailure().find("it is not a regular file"), std::string::npos);
    EXPECT_FALSE(fs::exists(HivePath()));
}

// The limit of the reader holds for the writer: a save that would pass it fails
// with the usual message and leaves the file as it was, nothing set aside.
TEST_F(HostileFiles, ASaveNeverWritesAHiveTheReaderWouldRefuse) {
    const auto formatted = [](std::size_t ABig, const std::string& AValue) {
        THive hive;
        std::string why;
        EXPECT_TRUE(ParseHive("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\" +
                                  kKey + "]\n\"Big\"=\"" + std::string(ABig, 'x') + "\"\n",
                              hive, why));
        if (!AValue.empty())
            SetHiveValue(*FindHiveKey(hive, kKey), "A", RegStringValue(AValue));
        return FormatHive(hive);
    };
    // With "A"="ab" the hive is exactly at the limit.
    const std::size_t big = kMaxHiveSize - formatted(0, "ab").size();
    WriteHiveText(formatted(big, ""));
    TFileHive hive(HivePath());
    ASSERT_TRUE(SaveA(hive, "ab")) << hive.SaveFailure();
    EXPECT_EQ(fs::file_size(HivePath()), kMaxHiveSize);
    EXPECT_EQ(hive.OpenKey(kKey)->QueryValue("A"), RegStringValue("ab"));

    // One byte more.
    EXPECT_FALSE(SaveA(hive, "abc"));
    ReportSaveFailure(TSavedData::HighScores, hive);
    EXPECT_EQ(FErrors, std::vector<std::string>{"The high scores could not be saved to " +
                                                HivePath().string() +
                                                ": the file would be larger than 16 MB."});
    EXPECT_EQ(HiveText(), formatted(big, "ab"));
    EXPECT_EQ(Names(HivePath().parent_path()),
              (std::vector<std::string>{"Tolmir.reg", "Tolmir.reg.lock"}));
}

TEST_F(HostileFiles, RelativeOrMissingFoldersAreNeverTheCurrentDirectory) {
    const auto keep = [](const char* AName) -> std::optional<std::string> {
        const char* value = std::getenv(AName);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto restore = [](const char* AName, const std::optional<std::string>& AValue) {
        if (AValue)
            ::setenv(AName, AValue->c_str(), 1);
        else
            ::unsetenv(AName);
    };
    const auto home = keep("HOME");
    const auto cache = keep("XDG_CACHE_HOME");
    const passwd* entry = ::getpwuid(::getuid());
    ASSERT_NE(entry, nullptr);
    const fs::path database = entry->pw_dir;

    ::setenv("HOME", "/home/ann", 1);
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    ::setenv("XDG_CACHE_HOME", "cache", 1);
    EXPECT_EQ(TFileHive::DefaultFileName(), fs::path("/home/ann/.config/Varnholt/Tolmir.reg"));
    EXPECT_EQ(UserCacheFolder(), fs::path("/home/ann/.cache"));
    ::unsetenv("HOME");
    EXPECT_EQ(UserHomeFolder(), database);
    EXPECT_EQ(UserConfigFolder(), database / ".config");
    ::setenv("HOME", "", 1);
    EXPECT_EQ(UserCacheFolder(), database / ".cache");
    ::setenv("HOME", "somewhere", 1);
    EXPECT_EQ(UserHomeFolder(), database);
    restore("HOME", home);
    restore("XDG_CACHE_HOME", cache);

    // A hive without a known folder saves nothing, and nothing below the
    // current directory.
    const fs::path current = fs::current_path();
    const fs::path empty = FDir / "current";
    fs::create_directories(empty);
    fs::current_path(empty);
    TFileHive nowhere{fs::path()};
    EXPECT_FALSE(SaveA(nowhere, "x"));
    fs::current_path(current);
    EXPECT_EQ(nowhere.SaveFailure(), "no home folder is known");
    EXPECT_TRUE(fs::is_empty(empty));
}

// A file system that refuses every write (an injected limit on file size): the
// first failure of each kind of data is said, the later ones are not, and a
// high score that was not saved is kept and saved once writing works again, or
// said to be lost when it never does.
TEST_F(HostileFiles, RepeatedSaveFailuresAreSaidOnceAndUnsavedScoresAreKept) {
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto limitWrites = [&](bool ALimited) {
        rlimit limit = old;
        limit.rlim_cur = ALimited ? 64 : old.rlim_cur;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    };

    auto table = MainTable();
    limitWrites(true);
    table->AddScore(150, "Ann", "2024/01/01");
    table->SaveToRegistry();
    table->AddScore(180, "Bo", "2024/01/02");
    table->SaveToRegistry();
    for (int run = 0; run < 2; ++run) {
        auto store = MainStore();
        store->Loaded();
        SetSetting(*store, Setting::Player, "Ann");
    }
    limitWrites(false);
    ASSERT_EQ(FErrors.size(), 2u);
    EXPECT_EQ(FErrors[0], "The high scores could not be saved to " + HivePath().string() +
                              ": the new file could not be written: File too large.");
    EXPECT_EQ(FErrors[1], "The settings could not be saved to " + HivePath().string() +
                              ": the new file could not be written: File too large.");
    EXPECT_FALSE(fs::exists(HivePath()));
    EXPECT_EQ(Names(HivePath().parent_path()), std::vector<std::string>{"Tolmir.reg.lock"});

    // Writing works again: the next save stores both results.
    table->SaveToRegistry();
    EXPECT_EQ(StoredValue(kKey, "ItemCount"), RegDwordValue(2));
    EXPECT_EQ(StoredValue(kKey, "Name0"), RegStringValue("Bo"));
    EXPECT_EQ(StoredValue(kKey, "Name1"), RegStringValue("Ann"));

    // A result that is never saved: the last try at the end, then one message.
    table->AddScore(170, "Cy", "2024/01/03");
    limitWrites(true);
    table.reset();
    limitWrites(false);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_EQ(FErrors.size(), 3u);
    EXPECT_EQ(FErrors[2], "The high score of Cy (170) was not saved and is lost.");
    EXPECT_EQ(StoredValue(kKey, "ItemCount"), RegDwordValue(2));
}

TEST_F(HostileFiles, BareCarriageReturnsEndLines) {
    WriteHiveText("Windows Registry Editor Version 5.00\r\r; a comment\r[HKEY_CURRENT_USER\\" +
                  kKey + "]\r\"A\"=\"x\"\r\"B\"=hex:01,\\\r  02\r\n\"C\"=dword:00000003\n");
    TFileHive hive(HivePath());
    auto key = hive.OpenKey(kKey);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->ValueNames(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(key->QueryValue("B"), (TRegValue{REG_BINARY, "\x01\x02"}));
    EXPECT_EQ(key->QueryValue("C"), RegDwordValue(3));
    EXPECT_TRUE(FErrors.empty());

    // Lines are counted the same way in what a skipped line is said to be.
    THive parsed;
    std::string why;
    THiveSkippedLines skipped;
    EXPECT_TRUE(ParseHive("Windows Registry Editor Version 5.00\r\r[HKEY_CURRENT_USER]\rx\r",
                          parsed, why, &skipped));
    EXPECT_EQ(skipped.First, std::vector<std::string>{"line 4: unexpected text"});
}

TEST_F(HostileFiles, ManyKeysAndValuesAreFoundWithoutRegardToCase) {
    std::string text = "Windows Registry Editor Version 5.00\n";
    for (int k = 0; k < 300; ++k) {
        text += "[HKEY_CURRENT_USER\\Software\\K" + std::to_string(k) + "]\n";
        for (int v = 0; v < 100; ++v)
            text += "\"Value" + std::to_string(v) + "\"=\"" + std::to_string(k * 100 + v) + "\"\n";
    }
    // A later section and a later value of the same names, in other letter case.
    text += "[hkey_current_user\\SOFTWARE\\k7]\n\"VALUE5\"=\"again\"\n\"New\"=\"n\"\n";
    THive hive;
    std::string why;
    ASSERT_TRUE(ParseHive(text, hive, why)) << why;
    ASSERT_EQ(hive.Keys.size(), 300u);
    const THiveKey* key = FindHiveKey(hive, "software\\K7");
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->Values.size(), 101u);
    EXPECT_EQ(key->Values[5].Name, "Value5");
    EXPECT_EQ(key->Values[5].Value, RegStringValue("again"));
    EXPECT_EQ(key->Values[100].Name, "New");
    const THiveValue* value = FindHiveValue(*FindHiveKey(hive, "Software\\k299"), "vALUE99");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->Value, RegStringValue("29999"));
    EXPECT_EQ(FindHiveValue(*key, "Value100"), nullptr);
    EXPECT_EQ(FindHiveKey(hive, "Software\\K300"), nullptr);

    // The index follows values added afterwards, also straight into the list.
    THiveKey& edited = AddHiveKey(hive, "Software\\K7");
    edited.Values.push_back({"Pushed", RegStringValue("p")});
    SetHiveValue(edited, "PUSHED", RegStringValue("q"));
    EXPECT_EQ(edited.Values.size(), 102u);
    EXPECT_EQ(FindHiveValue(edited, "pushed")->Value, RegStringValue("q"));
}

} // namespace
