// Reliability trials of the file hive with the game's own settings store and
// high-score table, in real processes:
//
//   tolmir_trials kills N    N writers, each killed with SIGKILL at a random
//                            moment while it saves the table and the settings
//                            again and again; after every kill the hive must
//                            parse and each key must hold the old or the new
//                            generation, and the lock must be free.
//   tolmir_trials copies N   N rounds of two copies released at the same moment
//                            to store different settings (and, in one more
//                            round, the same ones) and each add a high score;
//                            no value and no row either wrote may be lost and
//                            the hive must parse at every moment.
//
// The children are this program again (modes "writer" and "copy"). Every run
// works in a fresh temporary folder that XDG_CONFIG_HOME points to.

#include "files/SafeFile.h"
#include "game/HighScoreRules.h"
#include "storage/FileHive.h"
#include "storage/HighScoreTable.h"
#include "storage/HiveFormat.h"
#include "storage/MainSettings.h"
#include "storage/StorageErrors.h"
#include "storage/VHRegistry.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <poll.h>
#include <random>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

const std::string kAppKey = "Software\\Varnholt\\Tolmir";
const std::string kSettingsKey = kAppKey + "\\frmMain.VHRegistry1";
const std::string kMarkerKey = kAppKey + "\\Trials";

// ---------------------------------------------------------------- contents

using TValues = std::vector<std::pair<std::string, TRegValue>>;

// The eight settings of one generation; every one of them changes from one
// generation to the next, so that a save always writes all of them.
std::vector<std::pair<std::string, TSettingValue>> GenerationSettings(long AGeneration) {
    const int g = static_cast<int>(AGeneration % 1000000);
    return {
        {Setting::DiceStyle, 2 + g % 2},
        {Setting::Player, "Player " + std::to_string(g) + " \xC3\x86r\xC3\xB8"},
        {Setting::DiceColor, g},
        {Setting::HeldColor, g * 7 + 1},
        {Setting::PipColor, g * 13 + 2},
        {Setting::ScoreHintColor, g * 17 + 3},
        {Setting::ShowScoreHints, g % 2 == 0},
        {Setting::PlayDiceRollSound, std::string(g % 2 == 0 ? "True" : "False")},
    };
}

// A full table of one generation, sorted as the game sorts it. A save merges
// the table into the stored one; every score of a generation (nine digits, so
// that text order is numeric order) beats every score of the generations before,
// so the merged table is this generation's.
std::vector<TListRow> GenerationRows(long AGeneration) {
    THighScoreTable table(nullptr);
    const int g = static_cast<int>(AGeneration % 1000000);
    for (int r = 0; r < kHighScoreMaxRows; ++r)
        table.AddScore(100000000 + g * 10 + 9 - r,
                       "N" + std::to_string(g) + "-" + std::to_string(r),
                       ScoreDateText(2000 + g % 100, 1 + r, 1 + g % 28, "/"));
    return table.Rows();
}

// The values the settings key holds after a store has saved AGeneration.
TValues SettingsValues(long AGeneration) {
    TValues values;
    for (const auto& [name, value] : GenerationSettings(AGeneration))
        values.emplace_back(name, RegStringValue(SettingValueToText(value)));
    return values;
}

TValues TableValues(const std::vector<TListRow>& ARows) {
    TValues values = {{"ItemCount", RegDwordValue(static_cast<std::uint32_t>(ARows.size()))},
                      {"ColumnCount", RegDwordValue(3)}};
    for (std::size_t r = 0; r < ARows.size(); ++r) {
        values.emplace_back("Name" + std::to_string(r), RegStringValue(ARows[r].Caption));
        values.emplace_back("Score" + std::to_string(r), RegStringValue(ARows[r].SubItems[0]));
        values.emplace_back("Date" + std::to_string(r), RegStringValue(ARows[r].SubItems[1]));
    }
    return values;
}

// How many of AValues the key APath of AHive lacks or holds with other data.
int Missing(const THive& AHive, const std::string& APath, const TValues& AValues) {
    const THiveKey* key = FindHiveKey(AHive, APath);
    int missing = 0;
    for (const auto& [name, value] : AValues) {
        const THiveValue* found = key != nullptr ? FindHiveValue(*key, name) : nullptr;
        missing += (found == nullptr || !(found->Value == value)) ? 1 : 0;
    }
    return missing;
}

// ---------------------------------------------------------------- helpers

std::string ReadFile(const fs::path& AFile) {
    std::ifstream in(AFile, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Say(const std::string& ALine) {
    const std::string line = ALine + "\n";
    // One write per line, so that a line is in the pipe before a kill can come.
    if (::write(STDOUT_FILENO, line.data(), line.size()) < 0)
        std::_Exit(3);
}

// Every storage error ends a child: a trial must not see any.
void ExitOnStorageError() {
    SetStorageErrorReporter([](const std::string& AMessage) {
        Say("E " + AMessage);
        std::_Exit(2);
    });
}

long long NowNs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

class TTempFolder {
public:
    TTempFolder() {
        std::string pattern = (fs::temp_directory_path() / "tolmir-trials-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        FPath = pattern;
        ::setenv("XDG_CONFIG_HOME", FPath.c_str(), 1);
    }
    ~TTempFolder() {
        std::error_code ignored;
        fs::remove_all(FPath, ignored);
    }
    fs::path Hive() const { return FPath / "Varnholt" / "Tolmir.reg"; }

private:
    fs::path FPath;
};

// A child running this program with AArgs; its standard input and output are
// the given descriptors (-1 keeps the driver's).
pid_t Spawn(const std::vector<std::string>& AArgs, int AStdin, int AStdout) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (AStdin >= 0)
        posix_spawn_file_actions_adddup2(&actions, AStdin, STDIN_FILENO);
    if (AStdout >= 0)
        posix_spawn_file_actions_adddup2(&actions, AStdout, STDOUT_FILENO);
    std::vector<std::string> args = {"/proc/self/exe"};
    args.insert(args.end(), AArgs.begin(), AArgs.end());
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int error =
        ::posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::fprintf(stderr, "spawn: %s\n", std::strerror(error));
        std::exit(1);
    }
    return pid;
}

// A pipe whose ends are closed on exec (the child gets its copy through dup2).
struct TPipe {
    int Read = -1;
    int Write = -1;
    TPipe() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) {
            std::perror("pipe2");
            std::exit(1);
        }
        Read = fds[0];
        Write = fds[1];
    }
    ~TPipe() {
        CloseRead();
        CloseWrite();
    }
    void CloseRead() {
        if (Read >= 0)
            ::close(Read);
        Read = -1;
    }
    void CloseWrite() {
        if (Write >= 0)
            ::close(Write);
        Write = -1;
    }
};

// Reads what is in AFd now (AWaitMs > 0: waits that long for something), or
// everything until the end when AWaitMs < 0.
void Drain(int AFd, std::string& AInto, int AWaitMs) {
    char buffer[4096];
    for (;;) {
        pollfd p{AFd, POLLIN, 0};
        const int ready = ::poll(&p, 1, AWaitMs);
        if (ready <= 0)
            return;
        const ssize_t count = ::read(AFd, buffer, sizeof buffer);
        if (count <= 0)
            return;
        AInto.append(buffer, static_cast<std::size_t>(count));
        if (AWaitMs > 0)
            AWaitMs = 0;
    }
}

std::vector<std::string> Lines(const std::string& AText) {
    std::vector<std::string> lines;
    std::istringstream in(AText);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool LockIsFree(const fs::path& AHive) {
    const fs::path lockName = AHive.string() + ".lock";
    const int fd = ::open(lockName.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT; // never created: nothing can hold it
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

// The settings store and the high-score table at the game's own keys, the
// settings loaded as at start; the store writes only when asked.
struct TGameStorage {
    TGameStorage() {
        Store.SetRegKeyCompany("Varnholt");
        Store.SetRegKeyAppName("Tolmir");
        Store.SetAutoSave(false);
        AddMainSettings(Store);
        Store.Loaded();
        Table.SetRegKeyCompany("Varnholt");
        Table.SetRegKeyAppName("Tolmir");
    }
    TVHRegistry Store{"frmMain", "VHRegistry1"};
    THighScoreTable Table;
};

// ---------------------------------------------------------------- children

// Saves the settings and the full table again and again, as the game does when
// it closes: "B g" before generation g is saved, "D g" when both are stored.
int RunWriter(long AFirstGeneration) {
    ExitOnStorageError();
    TGameStorage storage;
    TVHRegistry& store = storage.Store;
    THighScoreTable& table = storage.Table;
    for (long g = AFirstGeneration;; ++g) {
        Say("B " + std::to_string(g));
        for (const auto& [name, value] : GenerationSettings(g))
            SetSetting(store, name, value);
        store.WriteItemsToRegistry();
        table.Clear();
        for (const TListRow& row : GenerationRows(g))
            table.AddScore(std::stoi(row.SubItems[0]), row.Caption, row.SubItems[1]);
        table.SaveToRegistry();
        Say("D " + std::to_string(g));
    }
}

// What each copy changes in round ARound. Copy A changes the window's settings,
// copy B the options and the player; in the round of the same values ('S') both
// change all eight settings alike. Each copy also adds a high score (CopyRow).
std::vector<std::pair<std::string, TSettingValue>> CopySettings(int ARound, char AWho) {
    const std::vector<std::string> window = {Setting::DiceStyle, Setting::DiceColor,
                                             Setting::HeldColor, Setting::PipColor};
    std::vector<std::pair<std::string, TSettingValue>> part;
    for (const auto& setting : GenerationSettings(ARound)) {
        const bool ofWindow =
            std::find(window.begin(), window.end(), setting.first) != window.end();
        if (AWho == 'S' || (AWho == 'A') == ofWindow)
            part.push_back(setting);
    }
    return part;
}

// The row a copy adds in a round: both copies add the same score, the best so
// far, each under a name of its own ('S': the same name, two equal rows).
TListRow CopyRow(int ARound, char AWho) {
    return {"Copy " + std::string(1, AWho) + " " + std::to_string(ARound),
            {std::to_string(101 + ARound % 800), "2024/01/01"}};
}

// One copy of the game: loads settings and table as the game does at start,
// changes its settings and adds its row (both name prompts are open), says "R",
// waits until its standard input ends, then stores the table and the settings
// and says "T start end" with the moments (monotonic ns) around both stores and
// "H start end" around the save of the table.
int RunCopy(int ARound, char AWho) {
    ExitOnStorageError();
    TGameStorage storage;
    TVHRegistry& store = storage.Store;
    THighScoreTable& table = storage.Table;
    table.LoadFromRegistry();
    for (const auto& [name, value] : CopySettings(ARound, AWho))
        SetSetting(store, name, value);
    const TListRow row = CopyRow(ARound, AWho);
    table.AddScore(std::stoi(row.SubItems[0]), row.Caption, row.SubItems[1]);
    Say("R");
    char byte;
    while (::read(STDIN_FILENO, &byte, 1) > 0) {
    }
    // The table first, so that the two copies' saves of it start at the same moment.
    const long long start = NowNs();
    table.SaveToRegistry();
    const long long tableEnd = NowNs();
    store.WriteItemsToRegistry();
    Say("T " + std::to_string(start) + " " + std::to_string(NowNs()));
    Say("H " + std::to_string(start) + " " + std::to_string(tableEnd));
    return 0;
}

// ---------------------------------------------------------------- drivers

bool KeyStored(const THive& AHive, const std::string& APath) {
    const THiveKey* key = FindHiveKey(AHive, APath);
    return key != nullptr && !key->Values.empty();
}

// One key's check after a kill: it holds the old generation (the last stored in
// full, or what was verified before this writer started; nothing when it was
// never stored) or the generation being saved.
struct TKeyCheck {
    std::string Path;
    bool Settings;
    std::optional<long> At; // the generation verified last

    // False when the key holds anything else; ANew tells which one it holds.
    bool Verify(const THive& AHive, const std::optional<long>& ADone,
                const std::optional<long>& ABegun, bool& ANew) {
        const std::optional<long> old = ADone ? ADone : At;
        const std::optional<long> fresh =
            ABegun && (!ADone || *ABegun > *ADone) ? ABegun : std::nullopt;
        for (const std::optional<long>& g : {old, fresh}) {
            if (!g)
                continue;
            const TValues expected =
                Settings ? SettingsValues(*g) : TableValues(GenerationRows(*g));
            if (Missing(AHive, Path, expected) == 0) {
                ANew = g == fresh;
                At = g;
                return true;
            }
        }
        ANew = false;
        return !old && !KeyStored(AHive, Path);
    }
};

int RunKills(int ACount, unsigned ASeed) {
    TTempFolder folder;
    const fs::path hive = folder.Hive();
    std::mt19937 random(ASeed);
    std::uniform_int_distribution<int> delayUs(0, 40000);
    std::string driverError;
    SetStorageErrorReporter([&](const std::string& AMessage) { driverError = AMessage; });
    TKeyCheck settings{kSettingsKey, true, {}}, table{kAppKey, false, {}};
    int failures = 0, duringSave = 0, beforeFirstSave = 0;
    int keptOld = 0, tookNew = 0, mixed = 0, tmpLeft = 0;
    long saves = 0;
    const auto started = std::chrono::steady_clock::now();
    for (int trial = 0; trial < ACount; ++trial) {
        const long first = (trial + 1) * 1000L;
        TPipe out;
        const pid_t pid = Spawn({"writer", std::to_string(first)}, -1, out.Write);
        out.CloseWrite();
        std::string said;
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::microseconds(delayUs(random));
        while (std::chrono::steady_clock::now() < deadline)
            Drain(out.Read, said, 1);
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        Drain(out.Read, said, -1);

        std::optional<long> begun, done;
        std::string problem;
        for (const std::string& line : Lines(said)) {
            if (line.rfind("B ", 0) == 0)
                begun = std::stol(line.substr(2));
            else if (line.rfind("D ", 0) == 0)
                done = std::stol(line.substr(2));
            else
                problem = "the writer said: " + line;
        }
        if (done)
            saves += *done - first + 1;
        (begun ? duringSave : beforeFirstSave)++;

        THive parsed;
        std::string why;
        bool settingsNew = false, tableNew = false;
        if (problem.empty()) {
            if (fs::exists(hive) && !ParseHive(ReadFile(hive), parsed, why))
                problem = "the hive does not parse: " + why;
            else if (!settings.Verify(parsed, done, begun, settingsNew))
                problem = "the settings hold neither the old nor the new generation";
            else if (!table.Verify(parsed, done, begun, tableNew))
                problem = "the high scores hold neither the old nor the new generation";
            else if (trial > 0 &&
                     Missing(parsed, kMarkerKey,
                             {{"Trial", RegDwordValue(static_cast<std::uint32_t>(trial - 1))}}))
                problem = "the value the driver stored after the last kill was lost";
            else
                (settingsNew && tableNew ? tookNew : settingsNew || tableNew ? mixed : keptOld)++;
        }
        if (problem.empty() && !LockIsFree(hive))
            problem = "the lock is still held after the writer was killed";
        tmpLeft += LeftoverTemporaryFiles(hive).empty() ? 0 : 1;
        // The driver stores a value of its own through the same code: the lock is
        // taken over, and the next writer must keep the value.
        if (problem.empty()) {
            TFileHive own(hive);
            auto key = own.CreateKey(kMarkerKey);
            if (!key || !key->SetValue("Trial", RegDwordValue(static_cast<std::uint32_t>(trial))) ||
                !key->Close())
                problem =
                    "the driver could not store its own value after the kill: " + driverError +
                    own.SaveFailure();
            else if (!LeftoverTemporaryFiles(hive).empty())
                problem = "the killed save's temporary file outlived the next save";
        }
        if (!problem.empty()) {
            ++failures;
            std::fprintf(stderr, "kill trial %d: %s\n", trial, problem.c_str());
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("kill trials: %d (seed %u, %.1f s), %ld complete saves between kills\n", ACount,
                ASeed, seconds, saves);
    std::printf("  killed while starting (before its first save) %d, while saving %d\n",
                beforeFirstSave, duringSave);
    std::printf("  after the kill: old content %d, new content %d, settings and table of "
                "neighbouring generations %d; temporary file left behind %d\n",
                keptOld, tookNew, mixed, tmpLeft);
    std::printf("  failures (unparsable hive, a value neither old nor new, stuck lock): %d\n",
                failures);
    return failures == 0 ? 0 : 1;
}

int RunCopies(int ACount) {
    TTempFolder folder;
    const fs::path hive = folder.Hive();
    SetStorageErrorReporter([](const std::string& AMessage) {
        std::fprintf(stderr, "storage error in the driver: %s\n", AMessage.c_str());
    });
    int lost = 0, failures = 0, overlapping = 0, readsWhileWriting = 0, unparsable = 0;
    int rowsLost = 0, tablesOverlapping = 0;
    long written = 0, rowsWritten = 0;
    const auto started = std::chrono::steady_clock::now();
    // The last round is the one in which both copies write the same values.
    for (int round = 0; round <= ACount; ++round) {
        const bool same = round == ACount;
        const char who[2] = {same ? 'S' : 'A', same ? 'S' : 'B'};
        TPipe barrier, outA, outB;
        const pid_t a = Spawn({"copy", std::to_string(round), std::string(1, who[0])}, barrier.Read,
                              outA.Write);
        const pid_t b = Spawn({"copy", std::to_string(round), std::string(1, who[1])}, barrier.Read,
                              outB.Write);
        outA.CloseWrite();
        outB.CloseWrite();
        barrier.CloseRead();
        std::string saidA, saidB;
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while ((saidA.find("R\n") == std::string::npos || saidB.find("R\n") == std::string::npos) &&
               std::chrono::steady_clock::now() < give_up) {
            Drain(outA.Read, saidA, 2);
            Drain(outB.Read, saidB, 2);
        }
        barrier.CloseWrite(); // both copies go at once
        int statusA = -1, statusB = -1;
        for (int finished = 0; finished < 2;) {
            // Read the hive while the copies write: it must parse every time.
            std::string text = ReadFile(hive);
            if (!text.empty()) {
                THive parsed;
                std::string why;
                ++readsWhileWriting;
                unparsable += ParseHive(text, parsed, why) ? 0 : 1;
            }
            int status = 0;
            const pid_t pid = ::waitpid(-1, &status, WNOHANG);
            if (pid == a)
                statusA = status, ++finished;
            else if (pid == b)
                statusB = status, ++finished;
        }
        Drain(outA.Read, saidA, -1);
        Drain(outB.Read, saidB, -1);

        std::string problem;
        if (!WIFEXITED(statusA) || WEXITSTATUS(statusA) != 0 || !WIFEXITED(statusB) ||
            WEXITSTATUS(statusB) != 0)
            problem = "a copy failed: " + saidA + saidB;
        // The moments around all stores (T) and around the table's save (H).
        long long spans[2][2][2] = {};
        for (int c = 0; c < 2; ++c) {
            for (const std::string& line : Lines(c == 0 ? saidA : saidB)) {
                if (line.size() > 2 && (line[0] == 'T' || line[0] == 'H')) {
                    long long* span = spans[line[0] == 'T' ? 0 : 1][c];
                    std::sscanf(line.c_str() + 2, "%lld %lld", &span[0], &span[1]);
                }
            }
        }
        const auto overlap = [](const long long(*ASpans)[2]) {
            return ASpans[0][0] < ASpans[1][1] && ASpans[1][0] < ASpans[0][1] ? 1 : 0;
        };
        overlapping += overlap(spans[0]);
        tablesOverlapping += overlap(spans[1]);

        THive parsed;
        std::string why;
        if (!ParseHive(ReadFile(hive), parsed, why)) {
            problem = "the hive does not parse: " + why;
        } else {
            // Every value either copy wrote, and the row each copy added.
            TValues expected;
            for (const char c : {who[0], who[1]})
                for (const auto& [name, value] : CopySettings(round, c))
                    expected.emplace_back(name, RegStringValue(SettingValueToText(value)));
            const int missing = Missing(parsed, kSettingsKey, expected);
            THighScoreTable table(std::make_unique<TFileHive>(hive));
            table.SetRegKeyCompany("Varnholt");
            table.SetRegKeyAppName("Tolmir");
            table.LoadFromRegistry();
            int rowsMissing = 0;
            std::vector<TListRow> rows = table.Rows();
            for (const char c : {who[0], who[1]}) {
                const auto found = std::find(rows.begin(), rows.end(), CopyRow(round, c));
                if (found == rows.end())
                    ++rowsMissing;
                else
                    rows.erase(found); // the same row added twice must be there twice
            }
            written += static_cast<long>(expected.size());
            lost += missing;
            rowsWritten += 2;
            rowsLost += rowsMissing;
            if (missing > 0 || rowsMissing > 0)
                problem = std::to_string(missing) + " value(s) and " + std::to_string(rowsMissing) +
                          " high-score row(s) lost";
        }
        if (!problem.empty()) {
            ++failures;
            std::fprintf(stderr, "two-copy round %d%s: %s\n", round, same ? " (same values)" : "",
                         problem.c_str());
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("two-copy rounds: %d with different values and 1 with the same values (%.1f s)\n",
                ACount, seconds);
    std::printf("  rounds in which both copies were storing at the same moment: %d of %d\n",
                overlapping, ACount + 1);
    std::printf("  values written %ld, values lost %d; hive read %d times while being written, "
                "unparsable %d\n",
                written, lost, readsWhileWriting, unparsable);
    std::printf("  high-score rows written %ld, rows lost %d; rounds in which both copies were "
                "saving the table at the same moment: %d of %d\n",
                rowsWritten, rowsLost, tablesOverlapping, ACount + 1);
    return failures == 0 && unparsable == 0 ? 0 : 1;
}

int Usage() {
    std::fprintf(stderr, "usage: tolmir_trials kills N [SEED] | copies N\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "writer")
        return RunWriter(std::stol(args[1]));
    if (args.size() == 3 && args[0] == "copy" && args[2].size() == 1)
        return RunCopy(std::stoi(args[1]), args[2][0]);
    if (args.size() >= 2 && args[0] == "kills") {
        const unsigned seed = args.size() > 2 ? static_cast<unsigned>(std::stoul(args[2]))
                                              : static_cast<unsigned>(std::random_device()());
        return RunKills(std::stoi(args[1]), seed);
    }
    if (args.size() == 2 && args[0] == "copies")
        return RunCopies(std::stoi(args[1]));
    return Usage();
}
