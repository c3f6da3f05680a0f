#include "storage/FileHive.h"
#include "storage/HiveFormat.h"
#include "tests/storage/StorageTestSupport.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kKey = "Software\\Varnholt\\Tolmir";

struct NamedValue {
    std::string name;
    TRegValue value;
};

void Write(const std::string& APath, const std::vector<NamedValue>& AValues) {
    TFileHive hive(TFileHive::DefaultFileName());
    auto key = hive.CreateKey(APath);
    ASSERT_NE(key, nullptr);
    for (const NamedValue& v : AValues)
        ASSERT_TRUE(key->SetValue(v.name, v.value)) << v.name;
    ASSERT_TRUE(key->Close());
}

std::optional<TRegValue> Read(const std::string& APath, const std::string& AName) {
    TFileHive hive(TFileHive::DefaultFileName());
    auto key = hive.OpenKey(APath);
    if (!key)
        return std::nullopt;
    return key->QueryValue(AName);
}

// The bytes of AText in UTF-16LE.
std::string Utf16Le(const std::u16string& AText) {
    std::string out;
    for (const char16_t unit : AText) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    }
    return out;
}

ino_t Inode(const fs::path& AFile) {
    struct stat info {};
    return ::stat(AFile.c_str(), &info) == 0 ? info.st_ino : 0;
}

using FileHive = TStorageTest;

TEST_F(FileHive, PathFollowsXdgConfigHomeElseHome) {
    EXPECT_EQ(TFileHive::DefaultFileName(), HivePath());
    // A folder name that is no UTF-8 is kept byte for byte.
    const std::string latin1 = (FDir / "caf\xe9").string();
    ::setenv("XDG_CONFIG_HOME", latin1.c_str(), 1);
    Write(kKey, {{"A", RegStringValue("x")}});
    EXPECT_TRUE(fs::is_regular_file(latin1 + "/Varnholt/Tolmir.reg"));
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_CONFIG_HOME", "", 1);
    ::setenv("HOME", "/home/ann", 1);
    EXPECT_EQ(TFileHive::DefaultFileName(), fs::path("/home/ann/.config/Varnholt/Tolmir.reg"));
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(TFileHive::DefaultFileName(), fs::path("/home/ann/.config/Varnholt/Tolmir.reg"));
    ::setenv("HOME", home.c_str(), 1);
}

TEST_F(FileHive, WritesTheRegistryEditorsExportSyntax) {
    Write(kKey, {{"ItemCount", RegDwordValue(1)},
                 {"Name0", RegStringValue("Ann \"the\" C:\\")},
                 {"Raw", {REG_BINARY, "\x0a\xff"}},
                 {"Expand", {REG_EXPAND_SZ, "A"}}});
    Write(kKey + "\\frmMain.VHRegistry1", {{"DiceStyle", RegStringValue("2")}});
    EXPECT_EQ(HiveText(), "Windows Registry Editor Version 5.00\n"
                          "\n"
                          "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir]\n"
                          "\"ItemCount\"=dword:00000001\n"
                          "\"Name0\"=\"Ann \\\"the\\\" C:\\\\\"\n"
                          "\"Raw\"=hex:0a,ff\n"
                          "\"Expand\"=hex(2):41\n"
                          "\n"
                          "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir\\frmMain.VHRegistry1]\n"
                          "\"DiceStyle\"=\"2\"\n"
                          "\n");
}

// Texts written by hand or by the registry editor that must still be read.
TEST_F(FileHive, ReadsHandWrittenHives) {
    struct Case {
        const char* what;
        std::string text;
        std::string name;
        TRegValue value;
    };
    const std::vector<Case> cases = {
        {"CRLF and BOM",
         "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n"
         "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir]\r\n\"A\"=\"x\"\r\n",
         "A", RegStringValue("x")},
        {"comments, spaces, upper-case hex and continued lines",
         "Windows Registry Editor Version 5.00\n; a comment\n"
         "[hkey_current_user\\SOFTWARE\\Varnholt\\Tolmir\\]  \n"
         "\"B\" = hex(3):01, 0A,\\\n  FF\n\"C\"=DWORD:0000000A\n",
         "B",
         {REG_BINARY, "\x01\x0a\xff"}},
        {"dword in upper case",
         "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir]\n"
         "\"C\"=dword:0000ABCD",
         "C", RegDwordValue(0xABCD)},
        {"sections of the same key merged",
         "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir]\n"
         "\"D\"=\"1\"\n[HKEY_CURRENT_USER\\software\\varnholt\\tolmir]\n\"d\"=\"2\"\n",
         "D", RegStringValue("2")},
        {"the registry editor's own: REGEDIT4, comments anywhere, deletion lines",
         "; exported by hand\nREGEDIT4\n\n[-HKEY_CURRENT_USER\\Software\\Old]\n\"Gone\"=\"x\"\n"
         "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir] ; the game's key\n"
         "\"E\"=\"e\" ; a note\n\"F\"=-\n",
         "E", RegStringValue("e")},
        {"UTF-16LE with a byte order mark",
         Utf16Le(u"\uFEFFWindows Registry Editor Version 5.00\r\n\r\n"
                 u"[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir]\r\n\"G\"="
                 u"\"\u00e6\u4e2d\U0001F3B2\"\r\n"),
         "G", RegStringValue("\u00e6\u4e2d\U0001F3B2")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteHiveText(c.text);
        EXPECT_EQ(Read(kKey, c.name), c.value);
        EXPECT_TRUE(FErrors.empty()) << (FErrors.empty() ? "" : FErrors.front());
    }
}

TEST_F(FileHive, ReadingAndUnchangedWritesLeaveTheFileAlone) {
    TFileHive hive(TFileHive::DefaultFileName());
    EXPECT_EQ(hive.OpenKey(kKey), nullptr);
    EXPECT_FALSE(fs::exists(HivePath().parent_path())) << "reading created the folder";

    Write(kKey, {{"A", RegStringValue("1")}, {"B", RegDwordValue(2)}});
    const ino_t before = Inode(HivePath());
    const std::string text = HiveText();
    {
        auto key = hive.CreateKey(kKey);
        ASSERT_NE(key, nullptr);
        EXPECT_TRUE(key->SetValue("A", RegStringValue("1")));
        EXPECT_TRUE(key->SetValue("b", RegDwordValue(2)));
        EXPECT_TRUE(key->Close());
    }
    {
        auto key = hive.OpenKey(kKey);
        ASSERT_NE(key, nullptr);
        EXPECT_TRUE(key->Close());
    }
    EXPECT_EQ(Inode(HivePath()), before);
    EXPECT_EQ(HiveText(), text);
    EXPECT_TRUE(FilesStartingWith("Tolmir.reg.tmp").empty());
}

TEST_F(FileHive, ChangesReachTheFileWhenTheKeyIsClosed) {
    TFileHive hive(TFileHive::DefaultFileName());
    auto key = hive.CreateKey(kKey);
    ASSERT_NE(key, nullptr);
    key->SetValue("A", RegStringValue("1"));
    EXPECT_FALSE(fs::exists(HivePath()));
    EXPECT_EQ(key->QueryValue("a"), RegStringValue("1")) << "the handle sees its own change";
    key.reset(); // closed by its destructor
    EXPECT_EQ(Read(kKey, "A"), RegStringValue("1"));
}

TEST_F(FileHive, TwoHandlesWritingAtOnceLoseNothing) {
    Write(kKey, {{"Shared", RegStringValue("old")}, {"OnlyB", RegStringValue("old")}});
    TFileHive first(TFileHive::DefaultFileName());
    TFileHive second(TFileHive::DefaultFileName());
    auto a = first.CreateKey(kKey);
    auto b = second.CreateKey(kKey);
    auto c = second.CreateKey(kKey + "\\frmMain.VHRegistry1");
    ASSERT_TRUE(a && b && c);
    a->SetValue("FromA", RegStringValue("a"));
    a->SetValue("OnlyB", RegStringValue("old")); // unchanged for A
    b->SetValue("FromB", RegStringValue("b"));
    b->SetValue("OnlyB", RegStringValue("new"));
    c->SetValue("DiceStyle", RegStringValue("3"));
    EXPECT_TRUE(b->Close());
    EXPECT_TRUE(c->Close());
    EXPECT_TRUE(a->Close());
    EXPECT_EQ(Read(kKey, "FromA"), RegStringValue("a"));
    EXPECT_EQ(Read(kKey, "FromB"), RegStringValue("b"));
    EXPECT_EQ(Read(kKey, "OnlyB"), RegStringValue("new"));
    EXPECT_EQ(Read(kKey, "Shared"), RegStringValue("old"));
    EXPECT_EQ(Read(kKey + "\\frmMain.VHRegistry1", "DiceStyle"), RegStringValue("3"));
}

// A value set only if missing is decided when the key is stored: another copy
// that stores it after this handle read the key, before it closes, wins.
TEST_F(FileHive, AValueSetIfMissingYieldsToOneStoredBeforeTheClose) {
    Write(kKey, {{"Kept", RegStringValue("old")}});
    TFileHive mine(TFileHive::DefaultFileName());
    TFileHive other(TFileHive::DefaultFileName());
    auto key = mine.CreateKey(kKey);
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->SetValueIfMissing("Player", RegStringValue("default")));
    EXPECT_TRUE(key->SetValueIfMissing("Color", RegStringValue("default")));
    EXPECT_TRUE(key->SetValueIfMissing("Kept", RegStringValue("default")));
    {
        auto theirs = other.CreateKey(kKey);
        ASSERT_NE(theirs, nullptr);
        EXPECT_TRUE(theirs->SetValue("Player", RegStringValue("Bo")));
        EXPECT_TRUE(theirs->Close());
    }
    EXPECT_TRUE(key->Close());
    EXPECT_EQ(Read(kKey, "Player"), RegStringValue("Bo"));
    EXPECT_EQ(Read(kKey, "Color"), RegStringValue("default"));
    EXPECT_EQ(Read(kKey, "Kept"), RegStringValue("old"));
}

// An update reads the key as stored when it runs; one that changes nothing
// leaves the file as it was, down to its time.
TEST_F(FileHive, UpdateKeyEditsTheKeyAsStoredAndWritesOnlyAChange) {
    TFileHive hive(TFileHive::DefaultFileName());
    Write(kKey, {{"A", RegStringValue("1")}});
    Write(kKey, {{"B", RegDwordValue(2)}}); // by another copy, after this one began
    const std::string text = HiveText();
    fs::last_write_time(HivePath(), fs::last_write_time(HivePath()) - std::chrono::hours(1));
    const auto past = fs::last_write_time(HivePath()); // as the file system keeps it
    const ino_t inode = Inode(HivePath());
    std::optional<TRegValue> seen;
    EXPECT_TRUE(hive.UpdateKey(kKey, [&](IRegistryKey& AKey) {
        seen = AKey.QueryValue("B");
        EXPECT_TRUE(AKey.SetValue("A", RegStringValue("1")));
        EXPECT_TRUE(AKey.SetValueIfMissing("B", RegDwordValue(7)));
    }));
    EXPECT_EQ(seen, RegDwordValue(2));
    EXPECT_EQ(HiveText(), text);
    EXPECT_EQ(fs::last_write_time(HivePath()), past);
    EXPECT_EQ(Inode(HivePath()), inode);
    EXPECT_TRUE(FilesStartingWith("Tolmir.reg.tmp").empty());

    EXPECT_TRUE(hive.UpdateKey(kKey, [&](IRegistryKey& AKey) {
        EXPECT_TRUE(AKey.SetValueIfMissing("C", RegStringValue("3")));
    }));
    EXPECT_NE(fs::last_write_time(HivePath()), past);
    EXPECT_EQ(Read(kKey, "A"), RegStringValue("1"));
    EXPECT_EQ(Read(kKey, "B"), RegDwordValue(2));
    EXPECT_EQ(Read(kKey, "C"), RegStringValue("3"));
    EXPECT_TRUE(FErrors.empty());
}

TEST_F(FileHive, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int kWrites = 25;
    std::vector<pid_t> children;
    for (const char* who : {"A", "B"}) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            bool ok = true;
            for (int i = 0; i < kWrites; ++i) {
                TFileHive hive(TFileHive::DefaultFileName());
                auto key = hive.CreateKey(kKey);
                ok = ok && key && key->SetValue(who + std::to_string(i), RegDwordValue(i)) &&
                     key->Close();
            }
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    TFileHive hive(TFileHive::DefaultFileName());
    auto key = hive.OpenKey(kKey);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->ValueNames().size(), 2u * kWrites);
    for (const char* who : {"A", "B"})
        for (int i = 0; i < kWrites; ++i)
            EXPECT_EQ(key->QueryValue(who + std::to_string(i)), RegDwordValue(i));
    EXPECT_TRUE(FErrors.empty());
}

// A writer killed at any moment leaves a hive that parses and holds what was
// stored before, never a broken file.
TEST_F(FileHive, AKilledWriterLeavesTheOldOrTheNewFile) {
    std::size_t stored = 0;
    for (int round = 0; round < 5; ++round) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int i = 0;; ++i) {
                TFileHive hive(TFileHive::DefaultFileName());
                auto key = hive.CreateKey(kKey);
                key->SetValue("R" + std::to_string(round) + "-" + std::to_string(i),
                              RegStringValue(std::string(2000, 'x')));
                key->Close();
            }
        }
        ::usleep(20000 + 15000 * round);
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        if (!fs::exists(HivePath())) {
            continue; // killed before its first save: the old state is no file at all
        }
        THive parsed;
        std::string why;
        ASSERT_TRUE(ParseHive(HiveText(), parsed, why)) << why;
        ASSERT_EQ(parsed.Keys.size(), 1u);
        // Values are stored one after the other: whatever is there is a prefix.
        const auto& values = parsed.Keys[0].Values;
        stored = values.size();
        int inRound = 0;
        for (const THiveValue& v : values) {
            if (v.Name.rfind("R" + std::to_string(round) + "-", 0) == 0) {
                EXPECT_EQ(v.Name, "R" + std::to_string(round) + "-" + std::to_string(inRound++));
            }
        }
    }
    EXPECT_GT(stored, 0u) << "the writers were killed before storing anything";
    EXPECT_TRUE(FErrors.empty());
}

TEST_F(FileHive, AFileWithNothingReadableIsKeptAsideAndReportedOnce) {
    const std::vector<std::string> corrupt = {
        "",
        "not a hive at all",
        "; only a comment\n",
        "\x8f\x01\x00\xffWindows\x00Registry[\n\xc3(\"=\"",
        "[HKEY_LOCAL_MACHINE\\Software]\n\"A\"=\"x\"\n",
    };
    for (std::size_t i = 0; i < corrupt.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        WriteHiveText(corrupt[i]);
        FErrors.clear();
        TFileHive hive(TFileHive::DefaultFileName());
        EXPECT_EQ(hive.OpenKey("Software"), nullptr);
        EXPECT_FALSE(fs::exists(HivePath()));
        const auto aside = FilesStartingWith("Tolmir.reg.corrupt-");
        ASSERT_EQ(aside.size(), 1u);
        EXPECT_EQ(ReadText(aside[0]), corrupt[i]);
        ASSERT_EQ(FErrors.size(), 1u);
        EXPECT_NE(FErrors[0].find(aside[0].string()), std::string::npos) << FErrors[0];

        // The game goes on from an empty hive and saves a fresh file.
        Write("Software", {{"A", RegStringValue("fresh")}});
        EXPECT_EQ(Read("Software", "A"), RegStringValue("fresh"));
        EXPECT_EQ(ReadText(aside[0]), corrupt[i]);
        EXPECT_EQ(FErrors.size(), 1u);
        fs::remove(aside[0]);
    }
}

// A line that cannot be read is skipped and everything else is read. The first
// save writes what was read, keeps the file as it was beside it and says which
// lines the saved file lacks; the next save has nothing more to keep.
TEST_F(FileHive, UnreadableLinesAreSkippedAndKeptAsideBeforeASave) {
    const std::string header = "Windows Registry Editor Version 5.00\n";
    const std::string key = "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir]\n";
    const std::string other = "[HKEY_CURRENT_USER\\Software\\Other]\n\"O\"=\"kept\"\n";
    struct Case {
        std::string text;
        std::string skipped; // what the report says of the first skipped line
    };
    const std::vector<Case> cases = {
        {header + key + "garbage\n\"K\"=\"yes\"\n" + other, "line 3: unexpected text"},
        {header + key + "\"A\"=\"open\n\"K\"=\"yes\"\n" + other, "line 3: text after a value"},
        // The values of a key line that cannot be read are not its neighbour's.
        {header + key + "\"K\"=\"yes\"\n[HKEY_CURRENT_USER\\Software\\Broken\n\"A\"=\"x\"\n" +
             other,
         "line 4: a key name has no closing bracket; line 5: a value of a key that could not be "
         "read"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        WriteHiveText(cases[i].text);
        FErrors.clear();
        EXPECT_EQ(Read(kKey, "K"), RegStringValue("yes"));
        EXPECT_EQ(Read("Software\\Other", "O"), RegStringValue("kept"));
        EXPECT_EQ(Read(kKey, "A"), std::nullopt);
        EXPECT_EQ(HiveText(), cases[i].text);
        EXPECT_TRUE(FErrors.empty());

        Write(kKey, {{"New", RegStringValue("n")}});
        Write(kKey, {{"New", RegStringValue("m")}});
        const auto aside = FilesStartingWith("Tolmir.reg.corrupt-");
        ASSERT_EQ(aside.size(), 1u);
        EXPECT_EQ(ReadText(aside[0]), cases[i].text);
        ASSERT_EQ(FErrors.size(), 1u);
        EXPECT_NE(FErrors[0].find("(" + cases[i].skipped), std::string::npos) << FErrors[0];
        EXPECT_NE(FErrors[0].find("kept as " + aside[0].string()), std::string::npos);
        EXPECT_EQ(Read(kKey, "K"), RegStringValue("yes"));
        EXPECT_EQ(Read(kKey, "New"), RegStringValue("m"));
        EXPECT_EQ(Read("Software\\Other", "O"), RegStringValue("kept"));
        fs::remove(aside[0]);
    }
}

// A hive the game cannot save to is read as far as possible, left as it is, and
// the player is told once per run, however often the game tries to save.
TEST_F(FileHive, AHiveThatCannotBeWrittenIsLeftAloneAndReportedOnce) {
    using fs::perms;
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make, undo;
        bool readable;
    };
    const std::vector<Case> cases = {
        {"read-only file", [](const fs::path& AHive) { fs::permissions(AHive, perms::owner_read); },
         [](const fs::path& AHive) { fs::permissions(AHive, perms::owner_all); }, true},
        {"read-only folder",
         [](const fs::path& AHive) {
             fs::permissions(AHive.parent_path(), perms::owner_read | perms::owner_exec);
         },
         [](const fs::path& AHive) { fs::permissions(AHive.parent_path(), perms::owner_all); },
         true},
        {"folder in place of the file",
         [](const fs::path& AHive) {
             fs::remove(AHive);
             fs::create_directory(AHive);
         },
         [](const fs::path& AHive) { fs::remove(AHive); }, false},
    };
    const std::string stored = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\" +
                               kKey + "]\n\"A\"=\"stored\"\n\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path hivePath = FDir / c.what / "Varnholt" / "Tolmir.reg";
        fs::create_directories(hivePath.parent_path());
        std::ofstream(hivePath) << stored;
        c.make(hivePath);
        FErrors.clear();
        for (int save = 0; save < 3; ++save) {
            TFileHive hive(hivePath);
            auto read = hive.OpenKey(kKey);
            EXPECT_EQ(read ? RegTextOf(read->QueryValue("A")) : std::nullopt,
                      c.readable ? std::optional<std::string>("stored") : std::nullopt);
            auto key = hive.CreateKey(kKey);
            ASSERT_NE(key, nullptr);
            key->SetValue("A", RegStringValue("new " + std::to_string(save)));
            EXPECT_FALSE(key->Close());
            ReportSaveFailure(TSavedData::Settings, hive);
        }
        ASSERT_EQ(FErrors.size(), 1u);
        EXPECT_NE(FErrors[0].find(hivePath.string()), std::string::npos) << FErrors[0];
        EXPECT_NE(FErrors[0].find("save"), std::string::npos) << FErrors[0];
        c.undo(hivePath);
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(hivePath.parent_path()))
            names.push_back(entry.path().filename().string());
        if (c.readable) {
            EXPECT_EQ(ReadText(hivePath), stored);
            EXPECT_EQ(names, std::vector<std::string>{"Tolmir.reg"});
        } else {
            EXPECT_EQ(names, std::vector<std::string>{"Tolmir.reg.lock"});
        }
    }
}

} // namespace
