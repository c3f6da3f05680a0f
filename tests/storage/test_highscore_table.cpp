#include "game/HighScoreRules.h"
#include "tests/storage/StorageTestSupport.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <utility>

namespace {

const std::string kAppKey = "Software\\Varnholt\\Tolmir";
const std::string kHeader = "Windows Registry Editor Version 5.00\n\n"
                            "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir]\n";

std::vector<std::string> Scores(const THighScoreTable& ATable) {
    std::vector<std::string> scores;
    for (const TListRow& row : ATable.Rows())
        scores.push_back(row.SubItems.at(0));
    return scores;
}

// A stored table of ACount rows, "P<r>" scoring 300 - r, with the given counts.
std::string StoredRows(int ACount, const std::string& AItemCount, const std::string& AColumnCount) {
    std::string text =
        kHeader + "\"ItemCount\"=" + AItemCount + "\n\"ColumnCount\"=" + AColumnCount + "\n";
    for (int r = 0; r < ACount; ++r) {
        const std::string n = std::to_string(r);
        text += "\"Name" + n + "\"=\"P" + n + "\"\n\"Score" + n + "\"=\"" +
                std::to_string(300 - r) + "\"\n\"Date" + n + "\"=\"2024/01/0" +
                std::to_string(r % 10) + "\"\n";
    }
    return text;
}

using HighScoreTable = TStorageTest;

TEST(HighScoreRules, ATotalEntersAboveOneHundredWhenThereIsRoomOrItBeatsTheLowest) {
    struct Case {
        int total, rows, lowest;
        bool enters;
    };
    const std::vector<Case> cases = {
        {100, 0, 0, false},    {101, 0, 0, true},     {0, 0, 0, false},     {-5, 3, 0, false},
        {101, 9, 500, true},   {150, 10, 150, false}, {151, 10, 150, true}, {100, 10, 50, false},
        {101, 10, 101, false}, {102, 10, 101, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QualifiesForHighScores(c.total, c.rows, c.lowest), c.enters)
            << c.total << " with " << c.rows << " rows, lowest " << c.lowest;
}

TEST(HighScoreOrder, GreaterScoreTextsComeFirst) {
    EXPECT_LT(CompareScoreTexts("150", "120"), 0);
    EXPECT_GT(CompareScoreTexts("120", "150"), 0);
    EXPECT_EQ(CompareScoreTexts("150", "150"), 0);
    EXPECT_GT(CompareScoreTexts("15", "150"), 0) << "a prefix is the smaller text";
    EXPECT_LT(CompareScoreTexts("150", "15"), 0);
    EXPECT_EQ(CompareScoreTexts("abc", "ABC"), 0) << "letter case is ignored";
    EXPECT_LT(CompareScoreTexts("zzz", "abc"), 0) << "texts that are no numbers in text order";
    EXPECT_GT(CompareScoreTexts("zzz", "101"), 0) << "below every number";
    EXPECT_GT(CompareScoreTexts("", "-5"), 0);
    EXPECT_GT(CompareScoreTexts("99", "150"), 0) << "numbers in numeric order";
    EXPECT_EQ(ScoreTextValue("150"), 150);
    EXPECT_EQ(ScoreTextValue("abc"), 0);
    EXPECT_EQ(ScoreTextValue(""), 0);
    EXPECT_EQ(ScoreDateText(2024, 3, 7, "."), "2024.03.07");
    EXPECT_EQ(ScoreDateText(987, 12, 31, "/"), "0987/12/31");
}

TEST_F(HighScoreTable, TheFirstResultIsStoredWithExactValuesAndTypes) {
    auto table = MainTable();
    EXPECT_EQ(table->KeyPath(), "\\Software\\Varnholt\\Tolmir\\");
    table->LoadFromRegistry();
    EXPECT_TRUE(table->Rows().empty());
    EXPECT_EQ(table->LowestScore(), 0);
    table->SaveToRegistry();
    EXPECT_FALSE(KeyExists("Software")) << "an empty table writes nothing";

    ASSERT_TRUE(QualifiesForHighScores(101, 0, table->LowestScore()));
    EXPECT_EQ(table->AddScore(101, "Ann \"A\"", "2024/03/07"), 0u);
    table->SaveToRegistry();

    auto key = CreateCurrentUserRegistry()->OpenKey(kAppKey);
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(InEnumerationOrder(key->ValueNames(),
                                   {"ItemCount", "ColumnCount", "Name0", "Score0", "Date0"}));
    EXPECT_EQ(key->QueryValue("ItemCount"), RegDwordValue(1));
    EXPECT_EQ(key->QueryValue("ColumnCount"), RegDwordValue(3));
    EXPECT_EQ(key->QueryValue("Name0"), RegStringValue("Ann \"A\""));
    EXPECT_EQ(key->QueryValue("Score0"), RegStringValue("101"));
    EXPECT_EQ(key->QueryValue("Date0"), RegStringValue("2024/03/07"));
}

TEST_F(HighScoreTable, AFullTableKeepsTenRowsAndItsOrder) {
    auto table = MainTable();
    for (int score = 150; score <= 240; score += 10) // inserted worst first, sorted best first
        table->AddScore(score, "P" + std::to_string(score), "2024/01/01");
    EXPECT_EQ(Scores(*table), (std::vector<std::string>{"240", "230", "220", "210", "200", "190",
                                                        "180", "170", "160", "150"}));
    EXPECT_EQ(table->LowestScore(), 150);
    EXPECT_FALSE(QualifiesForHighScores(150, 10, table->LowestScore()));
    ASSERT_TRUE(QualifiesForHighScores(151, 10, table->LowestScore()));

    EXPECT_EQ(table->AddScore(151, "New", "2024/02/02"), 9u);
    EXPECT_EQ(table->Rows().size(), 10u);
    EXPECT_EQ(table->Rows().back(), (TListRow{"New", {"151", "2024/02/02"}}));
    // An equal score goes below the one already there.
    EXPECT_EQ(table->AddScore(200, "Tie", "2024/02/03"), 5u);
    EXPECT_EQ(table->Rows()[4].Caption, "P200");
    EXPECT_EQ(Scores(*table), (std::vector<std::string>{"240", "230", "220", "210", "200", "200",
                                                        "190", "180", "170", "160"}));
    table->SaveToRegistry();

    auto reloaded = MainTable();
    reloaded->LoadFromRegistry();
    EXPECT_EQ(reloaded->Rows(), table->Rows());
    EXPECT_EQ(StoredValue(kAppKey, "ItemCount"), RegDwordValue(10));
    EXPECT_EQ(CreateCurrentUserRegistry()->OpenKey(kAppKey)->ValueNames().size(), 32u);
}

std::vector<std::string> Names(const std::vector<TListRow>& ARows) {
    std::vector<std::string> names;
    for (const TListRow& row : ARows)
        names.push_back(row.Caption);
    return names;
}

// Three copies of the game load the same table; two of them end a game with a
// high score and save one after the other, the third added nothing.
TEST_F(HighScoreTable, ASaveMergesItsRowsIntoTheTableAsStoredNow) {
    StoreHive(StoredRows(9, "dword:00000009", "dword:00000003")); // P0 300 ... P8 292
    std::vector<std::unique_ptr<THighScoreTable>> copies;
    for (int i = 0; i < 3; ++i) {
        copies.push_back(MainTable());
        copies.back()->LoadFromRegistry();
    }
    copies[0]->AddScore(295, "First", "d");
    copies[1]->AddScore(295, "Second", "d");
    copies[1]->AddScore(293, "Third", "d");
    copies[0]->SaveToRegistry();
    copies[1]->SaveToRegistry();

    auto stored = MainTable();
    stored->LoadFromRegistry();
    // Equal scores go below the rows already stored; the ten best are kept.
    EXPECT_EQ(Names(stored->Rows()), (std::vector<std::string>{"P0", "P1", "P2", "P3", "P4", "P5",
                                                               "First", "Second", "P6", "P7"}));
    EXPECT_EQ(copies[1]->Rows(), stored->Rows()) << "a save leaves the table as stored";

    // The copy that added nothing leaves what is stored untouched.
    const std::string before = RegistryDump(kAppKey);
#if !defined(_WIN32)
    const std::string bytes = HiveText();
    std::filesystem::last_write_time(HivePath(), std::filesystem::last_write_time(HivePath()) -
                                                     std::chrono::hours(1));
    const auto past = std::filesystem::last_write_time(HivePath()); // as the file system keeps it
#endif
    copies[2]->SaveToRegistry();
    EXPECT_EQ(RegistryDump(kAppKey), before);
#if !defined(_WIN32)
    EXPECT_EQ(HiveText(), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(HivePath()), past) << "the file was written again";
#endif
    EXPECT_TRUE(FErrors.empty());
}

// The current user's registry, where another copy of the game saves its table
// just as this one starts to write: after this one read the stored table for the
// game, before it writes its own rows.
class TRegistryWithAnotherWriter : public IRegistry {
public:
    std::function<void()> AnotherWriter;

    std::unique_ptr<IRegistryKey> OpenKey(const std::string& APath) override {
        return FRegistry->OpenKey(APath);
    }
    std::unique_ptr<IRegistryKey> CreateKey(const std::string& APath) override {
        LetTheOtherWrite();
        return FRegistry->CreateKey(APath);
    }
    bool UpdateKey(const std::string& APath,
                   const std::function<void(IRegistryKey&)>& AEdit) override {
        LetTheOtherWrite();
        return FRegistry->UpdateKey(APath, AEdit);
    }

private:
    void LetTheOtherWrite() {
        if (AnotherWriter)
            std::exchange(AnotherWriter, nullptr)();
    }
    std::unique_ptr<IRegistry> FRegistry = CreateCurrentUserRegistry();
};

TEST_F(HighScoreTable, ASaveKeepsRowsAnotherCopyStoredJustBeforeIt) {
    StoreHive(StoredRows(9, "dword:00000009", "dword:00000003")); // P0 300 ... P8 292
    auto registry = std::make_unique<TRegistryWithAnotherWriter>();
    TRegistryWithAnotherWriter& shared = *registry;
    auto table = MainTable(std::move(registry));
    table->LoadFromRegistry();
    table->AddScore(295, "Mine", "d");
    shared.AnotherWriter = [] {
        auto other = MainTable();
        other->LoadFromRegistry();
        other->AddScore(296, "Theirs", "d");
        other->SaveToRegistry();
    };
    table->SaveToRegistry();
    EXPECT_FALSE(shared.AnotherWriter) << "the other copy did not save";

    auto stored = MainTable();
    stored->LoadFromRegistry();
    EXPECT_EQ(Names(stored->Rows()),
              (std::vector<std::string>{"P0", "P1", "P2", "P3", "P4", "Theirs", "P5", "Mine", "P6",
                                        "P7"}));
    EXPECT_EQ(table->Rows(), stored->Rows());
    EXPECT_TRUE(FErrors.empty());
}

TEST_F(HighScoreTable, MalformedStoredTablesLoadWhatMakesSense) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<TListRow> rows;
        std::vector<std::string> errors;
    };
    const TListRow p0{"P0", {"300", "2024/01/00"}};
    const TListRow p1{"P1", {"299", "2024/01/01"}};
    std::vector<TListRow> first10;
    for (int r = 0; r < 10; ++r)
        first10.push_back(
            {"P" + std::to_string(r), {std::to_string(300 - r), "2024/01/0" + std::to_string(r)}});
    const auto damaged = [](const std::string& AWhy) {
        return "The list in " + CreateCurrentUserRegistry()->Location() +
               " could not be read as stored (" + AWhy + "): ";
    };
    const std::vector<Case> cases = {
        {"nothing stored", kHeader, {}, {}},
        {"more than ten rows", StoredRows(12, "dword:0000000c", "dword:00000003"), first10, {}},
        {"more columns than the list has",
         StoredRows(2, "dword:00000002", "dword:00000005") + "\"Extra0\"=dword:00000001\n",
         {p0, p1},
         {}},
        {"fewer columns: the stored cells are still read, the next save keeps them",
         StoredRows(1, "dword:00000001", "dword:00000000"),
         {{"P0", {"300", "2024/01/00"}}},
         {}},
        {"fewer rows than counted",
         StoredRows(1, "dword:00000002", "dword:00000003"),
         {p0, {"", {"", ""}}},
         {}},
        {"a count that is text holding a number",
         StoredRows(1, "\"1\"", "dword:00000003"),
         {p0},
         {damaged("Invalid data type for 'ItemCount'") +
          "the 1 row found there is read and kept."}},
        {"counts that are no number: the rows as far as they are there",
         StoredRows(3, "\"lots\"", "hex:03") + "\"Date4\"=\"stray\"\n",
         {p0, p1, {"P2", {"298", "2024/01/02"}}},
         {damaged("Invalid data type for 'ItemCount', Invalid data type for 'ColumnCount'") +
          "the 3 rows found there are read and kept."}},
        {"a count missing",
         kHeader + "\"ItemCount\"=dword:00000001\n\"Name0\"=\"A\"\n",
         {{"A", {"", ""}}},
         {damaged("'ColumnCount' is missing") + "the 1 row found there is read and kept."}},
        {"cells that are not text",
         StoredRows(3, "dword:00000003", "dword:00000003") +
             "\"Score1\"=dword:0000012c\n\"Name2\"=hex:41\n",
         {p0, {"P1", {"", "2024/01/01"}}, {"", {"298", "2024/01/02"}}},
         {"Invalid data type for 'Score1'"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StoreHive(c.text);
        FErrors.clear();
        auto table = MainTable();
        table->LoadFromRegistry();
        EXPECT_EQ(table->Rows(), c.rows);
        EXPECT_EQ(FErrors, c.errors);
    }
}

// A count stored as text used to hide the rows, and the next result was then
// written over the best of them.
TEST_F(HighScoreTable, ADamagedCountKeepsItsRowsAndIsSaidOnce) {
    StoreHive(kHeader + "\"ItemCount\"=\"2\"\n\"ColumnCount\"=dword:00000003\n"
                        "\"Name0\"=\"Top\"\n\"Score0\"=\"300\"\n\"Date0\"=\"d\"\n"
                        "\"Name1\"=\"Mid\"\n\"Score1\"=\"200\"\n\"Date1\"=\"d\"\n");
    auto table = MainTable();
    table->LoadFromRegistry(); // File, High Scores
    EXPECT_EQ(Names(table->Rows()), (std::vector<std::string>{"Top", "Mid"}));
    table->Clear(); // reloaded at the end of a game with a result
    table->LoadFromRegistry();
    EXPECT_EQ(FErrors.size(), 1u);
    table->AddScore(101, "New", "d");
    table->SaveToRegistry();

    auto stored = MainTable();
    stored->LoadFromRegistry();
    EXPECT_EQ(Names(stored->Rows()), (std::vector<std::string>{"Top", "Mid", "New"}));
    EXPECT_EQ(StoredValue(kAppKey, "ItemCount"), RegDwordValue(3));
    ASSERT_EQ(FErrors.size(), 1u) << "the count is whole again";
    EXPECT_NE(FErrors[0].find("could not be read"), std::string::npos) << FErrors[0];
}

TEST_F(HighScoreTable, LoadingAppendsAndAScoreThatIsNotANumberCountsAsZero) {
    StoreHive(kHeader + "\"ItemCount\"=dword:00000002\n\"ColumnCount\"=dword:00000003\n"
                        "\"Name0\"=\"A\"\n\"Score0\"=\"250\"\n\"Date0\"=\"d\"\n"
                        "\"Name1\"=\"B\"\n\"Score1\"=\"lots\"\n\"Date1\"=\"d\"\n");
    auto table = MainTable();
    table->AddScore(120, "Mine", "d");
    table->LoadFromRegistry();
    EXPECT_EQ(Scores(*table), (std::vector<std::string>{"120", "250", "lots"}));
    EXPECT_EQ(table->LowestScore(), 0);
    // Loading stops at ten rows in all.
    for (int i = 0; i < 3; ++i)
        table->LoadFromRegistry();
    EXPECT_EQ(table->Rows().size(), 9u);
    table->LoadFromRegistry();
    EXPECT_EQ(table->Rows().size(), 10u);
}

// Stored scores that are no numbers (edited by hand) rank below every result:
// the row a result makes in the shown table is the row the save stores.
TEST_F(HighScoreTable, AShownResultIsStoredAboveScoresThatAreNoNumbers) {
    std::string text = kHeader + "\"ItemCount\"=dword:0000000a\n\"ColumnCount\"=dword:00000003\n";
    for (int r = 0; r < 10; ++r) {
        const std::string n = std::to_string(r);
        text += "\"Name" + n + "\"=\"P" + n + "\"\n\"Score" + n + "\"=\"" +
                (r < 3 ? std::to_string(300 - r) : "none") + "\"\n";
    }
    StoreHive(text);
    auto table = MainTable();
    table->LoadFromRegistry();
    ASSERT_TRUE(QualifiesForHighScores(150, 10, table->LowestScore()));
    EXPECT_EQ(table->AddScore(150, "Mine", "d"), 3u);
    const std::vector<TListRow> shown = table->Rows();
    table->SaveToRegistry();
    EXPECT_EQ(table->Rows(), shown);
    EXPECT_EQ(StoredValue(kAppKey, "Name3"), RegStringValue("Mine"));
    EXPECT_EQ(StoredValue(kAppKey, "Name9"), RegStringValue("P8"));
    EXPECT_TRUE(FErrors.empty());
}

TEST_F(HighScoreTable, TheTableAndTheSettingsLiveInTheirOwnKeys) {
    StoreHive("Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir\\frmMain.VHRegistry1]\n"
              "\"Player\"=\"Ann\"\n");
    auto table = MainTable();
    table->AddScore(222, "Ann", "2024/05/06");
    table->SaveToRegistry();
    EXPECT_EQ(RegistryDump(kAppKey),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir]\n"
              "\"ColumnCount\"=dword:00000003\n\"Date0\"=\"2024/05/06\"\n"
              "\"ItemCount\"=dword:00000001\n\"Name0\"=\"Ann\"\n\"Score0\"=\"222\"\n\n"
              "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir\\frmMain.VHRegistry1]\n"
              "\"Player\"=\"Ann\"\n\n");
}

#if defined(_WIN32)
TEST_F(HighScoreTable, AValueTheRegistryRefusesIsReportedByName) {
    auto table = MainTable(CreateRegistryWithVanishingKeys());
    table->AddScore(150, "Ann", "2024/05/06");
    table->SaveToRegistry();
    EXPECT_EQ(FErrors, (std::vector<std::string>{
                           "Failed to set data for 'ItemCount'",
                           "Failed to set data for 'ColumnCount'", "Failed to set data for 'Name0'",
                           "Failed to set data for 'Score0'", "Failed to set data for 'Date0'"}));
    EXPECT_FALSE(KeyExists(kAppKey));
}
#endif

} // namespace
