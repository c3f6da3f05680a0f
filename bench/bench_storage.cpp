// The file hive: the full high-score table and the eight main settings, each
// loaded and saved through a hive of its own. A save always changes every
// value (two contents take turns), so that each one really reaches the disk,
// flush and rename included.

#include "bench/Budget.h"

#include "files/SafeFile.h"
#include "storage/FileHive.h"
#include "storage/HighScoreTable.h"
#include "storage/HiveFormat.h"
#include "storage/MainSettings.h"
#include "storage/VHRegistry.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

namespace {

constexpr int kFullTable = 10;

// A hive file in a folder of its own, removed with it.
class TBenchHive {
public:
    TBenchHive() : FFileName(FDir.path().toStdString() + "/Varnholt/Tolmir.reg") {}
    bool Valid() const { return FDir.isValid(); }
    std::unique_ptr<IRegistry> Open() const { return std::make_unique<TFileHive>(FFileName); }
    const std::filesystem::path& FileName() const { return FFileName; }

private:
    QTemporaryDir FDir;
    std::filesystem::path FFileName;
};

std::unique_ptr<THighScoreTable> FullTable(const TBenchHive& AHive, const std::string& ANamePrefix,
                                           int AFirstScore) {
    auto table = std::make_unique<THighScoreTable>(AHive.Open());
    table->SetRegKeyCompany("Varnholt");
    table->SetRegKeyAppName("Tolmir");
    for (int i = 0; i < kFullTable; ++i) {
        table->AddScore(AFirstScore + 7 * i, ANamePrefix + std::to_string(i),
                        "2024-05-1" + std::to_string(i % 10));
    }
    return table;
}

std::unique_ptr<TVHRegistry> MainSettingsStore(const TBenchHive& AHive) {
    auto store = std::make_unique<TVHRegistry>("frmMain", "VHRegistry1", AHive.Open());
    store->SetRegKeyCompany("Varnholt");
    store->SetRegKeyAppName("Tolmir");
    store->SetAutoSave(false);
    AddMainSettings(*store);
    return store;
}

// Every one of the eight settings, in one of two variants.
void SetAllSettings(TVHRegistry& AStore, int AVariant) {
    SetSetting(AStore, Setting::DiceStyle, TSettingValue(2 + AVariant));
    SetSetting(AStore, Setting::Player, TSettingValue(std::string(AVariant ? "Ann" : "Bob")));
    SetSetting(AStore, Setting::DiceColor, TSettingValue(16777215 - AVariant));
    SetSetting(AStore, Setting::HeldColor, TSettingValue(14597308 - AVariant));
    SetSetting(AStore, Setting::PipColor, TSettingValue(AVariant));
    SetSetting(AStore, Setting::ScoreHintColor, TSettingValue(12632256 - AVariant));
    SetSetting(AStore, Setting::ShowScoreHints, TSettingValue(AVariant == 0));
    SetSetting(AStore, Setting::PlayDiceRollSound,
               TSettingValue(std::string(AVariant ? "False" : "True")));
}

void BM_HiveSaveTable(benchmark::State& AState) {
    TBenchHive hive;
    const std::unique_ptr<THighScoreTable> table = FullTable(hive, "Ann", 300);
    table->SaveToRegistry();
    // Each save merges a new best row into the full stored table: the table is
    // read under the lock and all ten rows move down and are written again. Nine
    // digits starting with 9 keep every new score above the ones before.
    int score = 900000000;
    for (auto _ : AState) {
        table->AddScore(++score, "Bob", "2024-05-20");
        table->SaveToRegistry();
    }
    if (table->Rows().size() != kFullTable || table->Rows()[0].SubItems[0] != std::to_string(score))
        AState.SkipWithError("the new row was not stored");
}

void BM_HiveLoadTable(benchmark::State& AState) {
    TBenchHive hive;
    FullTable(hive, "Ann", 300)->SaveToRegistry();
    THighScoreTable table(hive.Open());
    table.SetRegKeyCompany("Varnholt");
    table.SetRegKeyAppName("Tolmir");
    for (auto _ : AState) {
        table.Clear();
        table.LoadFromRegistry();
    }
    if (table.Rows().size() != kFullTable) {
        AState.SkipWithError("the table did not load in full");
    }
}

void BM_HiveSaveSettings(benchmark::State& AState) {
    TBenchHive hive;
    const std::unique_ptr<TVHRegistry> store = MainSettingsStore(hive);
    int variant = 0;
    for (auto _ : AState) {
        SetAllSettings(*store, variant);
        store->WriteItemsToRegistry();
        variant ^= 1;
    }
}

void BM_HiveLoadSettings(benchmark::State& AState) {
    TBenchHive hive;
    {
        const std::unique_ptr<TVHRegistry> writer = MainSettingsStore(hive);
        SetAllSettings(*writer, 1);
        writer->WriteItemsToRegistry();
    }
    const std::unique_ptr<TVHRegistry> store = MainSettingsStore(hive);
    for (auto _ : AState) {
        store->ReadItemsFromRegistry();
    }
    if (SettingText(*store, Setting::Player) != "Ann") {
        AState.SkipWithError("the settings did not load");
    }
}

// A hive of a million values in the settings key, as another tool could leave
// it: the game's start reads it through the store, every value becoming a
// setting, in about a second.
constexpr int kMillion = 1'000'000;

void BM_HiveLoadMillionValues(benchmark::State& AState) {
    TBenchHive hive;
    std::string text = "Windows Registry Editor Version 5.00\n\n"
                       "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir\\frmMain.VHRegistry1]\n";
    for (int i = 0; i < kMillion; ++i)
        text += "\"V" + std::to_string(i) + "\"=\"x\"\n";
    const std::filesystem::path file = hive.FileName();
    std::filesystem::create_directories(file.parent_path());
    std::string why;
    if (text.size() > kMaxHiveSize || !ReplaceFileContents(file, text, 0600, why)) {
        AState.SkipWithError("the hive could not be written");
        return;
    }
    std::size_t settings = 0;
    for (auto _ : AState) {
        const std::unique_ptr<TVHRegistry> store = MainSettingsStore(hive);
        store->ReadItemsFromRegistry();
        settings = static_cast<std::size_t>(store->VHRegistryItems().Count());
    }
    if (settings != kMillion + MainSettingDefinitions().size())
        AState.SkipWithError("the values did not all load");
}

// What the disk alone costs a save: a file of a full hive's size written, its
// data flushed and renamed over another, as the hive does.
void BM_DiskFlushFloor(benchmark::State& AState) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string temporary = folder + "/hive.tmp";
    const std::string target = folder + "/hive";
    const std::string text(1500, 'x');
    for (auto _ : AState) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const bool written =
            fd >= 0 && ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
        const bool flushed = written && ::fdatasync(fd) == 0;
        if (fd >= 0) {
            ::close(fd);
        }
        const bool renamed = ::rename(temporary.c_str(), target.c_str()) == 0;
        if (!flushed || !renamed) {
            AState.SkipWithError("the disk refused the write");
            break;
        }
    }
}

} // namespace

[[maybe_unused]] static auto* const kDiskFlushFloor =
    RegisterBudgeted("DiskFlushFloor", BM_DiskFlushFloor, kNoBudget);
[[maybe_unused]] static auto* const kHiveSaveTable =
    RegisterBudgeted("HiveSaveTable", BM_HiveSaveTable, 5'000'000);
[[maybe_unused]] static auto* const kHiveLoadTable =
    RegisterBudgeted("HiveLoadTable", BM_HiveLoadTable, kNoBudget);
[[maybe_unused]] static auto* const kHiveSaveSettings =
    RegisterBudgeted("HiveSaveSettings", BM_HiveSaveSettings, kNoBudget);
[[maybe_unused]] static auto* const kHiveLoadSettings =
    RegisterBudgeted("HiveLoadSettings", BM_HiveLoadSettings, kNoBudget);
[[maybe_unused]] static auto* const kHiveLoadMillionValues =
    RegisterBudgeted("HiveLoadMillionValues", BM_HiveLoadMillionValues, 1'000'000'000)
        -> Iterations(3) -> Unit(benchmark::kMillisecond);
