#include "tests/storage/StorageTestSupport.h"

#include <algorithm>
#include <set>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

const std::string kStoreKey = "Software\\Varnholt\\Tolmir\\frmMain.VHRegistry1";
const std::string kHeader =
    "Windows Registry Editor Version 5.00\n\n"
    "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir\\frmMain.VHRegistry1]\n";

std::vector<std::string> DeclaredNames() {
    std::vector<std::string> names;
    for (const TSettingDefinition& definition : MainSettingDefinitions())
        names.push_back(definition.ValueName);
    return names;
}

std::vector<std::string> ItemNames(const TVHRegistry& AStore) {
    std::vector<std::string> names;
    for (int i = 0; i < AStore.VHRegistryItems().Count(); ++i)
        names.push_back(AStore.VHRegistryItems().Items(i).ValueName());
    return names;
}

// A registry that refuses what a test tells it to and records what is written.
class TFakeRegistry : public IRegistry {
public:
    struct TState {
        bool refuseCreate = false;
        std::set<std::string> refusedNames;
        std::vector<std::pair<std::string, TRegValue>> written;
        int closes = 0;
    };
    explicit TFakeRegistry(TState& AState) : FState(AState) {}

    std::unique_ptr<IRegistryKey> OpenKey(const std::string&) override { return nullptr; }
    std::unique_ptr<IRegistryKey> CreateKey(const std::string&) override {
        if (FState.refuseCreate)
            return nullptr;
        return std::make_unique<TKey>(FState);
    }

private:
    class TKey : public IRegistryKey {
    public:
        explicit TKey(TState& AState) : FState(AState) {}
        std::vector<std::string> ValueNames() const override { return {}; }
        std::optional<TRegValue> QueryValue(const std::string&) const override { return {}; }
        bool SetValue(const std::string& AName, const TRegValue& AValue) override {
            if (FState.refusedNames.count(AName))
                return false;
            FState.written.emplace_back(AName, AValue);
            return true;
        }
        bool Close() override {
            ++FState.closes;
            return true;
        }

    private:
        TState& FState;
    };
    TState& FState;
};

using SettingsStore = TStorageTest;

TEST(SettingValue, ConvertsWithTheRegistrysTextForms) {
    struct Case {
        TSettingValue value;
        std::string text;
        std::optional<int> integer;
        std::optional<bool> boolean;
    };
    const std::vector<Case> cases = {
        {{}, "", 0, false},
        {0, "0", 0, false},
        {16777215, "16777215", 16777215, true},
        {-42, "-42", -42, true},
        {true, "-1", -1, true},
        {false, "0", 0, false},
        {std::string("True"), "True", std::nullopt, true},
        {std::string("false"), "false", std::nullopt, false},
        {std::string("-1"), "-1", -1, true},
        {std::string(" +12 "), " +12 ", 12, true},
        {std::string("+-5"), "+-5", std::nullopt, std::nullopt},
        {std::string("0"), "0", 0, false},
        {std::string(""), "", std::nullopt, std::nullopt},
        {std::string("blue"), "blue", std::nullopt, std::nullopt},
        {std::string("12abc"), "12abc", std::nullopt, std::nullopt},
        {std::string("2.5"), "2.5", std::nullopt, std::nullopt},
        {std::string("99999999999"), "99999999999", std::nullopt, std::nullopt},
        {std::string("Yes"), "Yes", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SettingValueToText(c.value), c.text);
        EXPECT_EQ(SettingValueToInteger(c.value), c.integer);
        EXPECT_EQ(SettingValueToBoolean(c.value), c.boolean);
    }
}

TEST_F(SettingsStore, FirstRunReadsNothingAndWritesTheEightDefaultsAtExit) {
    int fired = 0;
    {
        auto store = MainStore();
        EXPECT_EQ(store->KeyPath(), "\\" + kStoreKey);
        store->OnReadItemsFromRegistry = [&](TVHRegistry& AStore) {
            EXPECT_EQ(&AStore, store.get());
            ++fired;
        };
        store->Loaded();
        EXPECT_EQ(fired, 1);
        EXPECT_FALSE(KeyExists("Software")) << "loading created a key";
        EXPECT_EQ(SettingInteger(*store, Setting::DiceStyle), 2);
        EXPECT_EQ(SettingInteger(*store, Setting::HeldColor), 0x00DEBCBC);
        EXPECT_TRUE(SettingBoolean(*store, Setting::PlayDiceRollSound));
    }
    auto key = CreateCurrentUserRegistry()->OpenKey(kStoreKey);
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(InEnumerationOrder(key->ValueNames(), DeclaredNames()));
    EXPECT_EQ(key->QueryValue("Player"), RegStringValue(""));
    EXPECT_EQ(key->QueryValue("ShowScoreHints"), RegStringValue("-1"));
    EXPECT_EQ(key->QueryValue("PlayDiceRollSound"), RegStringValue("True"));
    EXPECT_EQ(key->QueryValue("HeldColor"), RegStringValue("14597308"));
    EXPECT_TRUE(FErrors.empty());
}

TEST_F(SettingsStore, StoredValuesReachTheirItemsWhateverTheOrder) {
    StoreHive(kHeader + "\"PipColor\"=\"255\"\n"
                        "\"Unknown\"=\"kept as it is\"\n"
                        "\"Player\"=\"\"\n"
                        "\"diceStyle\"=\"3\"\n"
                        "\"ShowScoreHints\"=\"0\"\n"
                        "\"DiceColor\"=\"a\\\\b\\\"c\nline \xC3\xA9\"\n");
    // Values the store does not declare follow its items in the registry's order.
    const std::vector<std::string> declared = DeclaredNames();
    std::vector<std::string> extras;
    for (const std::string& name : CreateCurrentUserRegistry()->OpenKey(kStoreKey)->ValueNames())
        if (std::count(declared.begin(), declared.end(), name) == 0)
            extras.push_back(name);
    ASSERT_TRUE(InEnumerationOrder(extras, {"Unknown", "diceStyle"}));
    {
        auto store = MainStore();
        store->Loaded();
        // Letter case counts: "diceStyle" is not "DiceStyle" and becomes an extra.
        std::vector<std::string> expected = declared;
        expected.insert(expected.end(), extras.begin(), extras.end());
        EXPECT_EQ(ItemNames(*store), expected);
        int index = -1;
        EXPECT_FALSE(store->FindItem("dicestyle", index));
        EXPECT_TRUE(store->FindItem("diceStyle", index));
        EXPECT_EQ(expected.at(static_cast<std::size_t>(index)), "diceStyle");
        EXPECT_TRUE(store->FindItem("DiceStyle", index));
        EXPECT_EQ(index, 0);
        // Stored settings hold text; the others keep their defaults' kinds.
        EXPECT_EQ(store->VHRegistryItems().Items(4).Value(), TSettingValue(std::string("255")));
        EXPECT_EQ(store->VHRegistryItems().Items(3).Value(), TSettingValue(14597308));
        EXPECT_EQ(SettingText(*store, Setting::Player), "");
        EXPECT_EQ(SettingText(*store, Setting::DiceColor), "a\\b\"c\nline \xC3\xA9");
        EXPECT_FALSE(SettingBoolean(*store, Setting::ShowScoreHints));
        EXPECT_EQ(SettingInteger(*store, Setting::DiceStyle), 2);
        SetSetting(*store, Setting::ShowScoreHints, true);
        SetSetting(*store, Setting::Player, std::string("Ann"));
        SetSetting(*store, Setting::DiceStyle, 3);
    }
    // The extras stay as they were. The registry, unlike FindItem, ignores letter
    // case: "diceStyle" and "DiceStyle" are one value there, which the setting
    // takes, spelled as the setting is, so that the next run reads it.
    EXPECT_EQ(RegistryDump(kStoreKey), kHeader + "\"DiceColor\"=\"a\\\\b\\\"c\nline \xC3\xA9\"\n"
                                                 "\"DiceStyle\"=\"3\"\n"
                                                 "\"HeldColor\"=\"14597308\"\n"
                                                 "\"PipColor\"=\"255\"\n"
                                                 "\"PlayDiceRollSound\"=\"True\"\n"
                                                 "\"Player\"=\"Ann\"\n"
                                                 "\"ScoreHintColor\"=\"12632256\"\n"
                                                 "\"ShowScoreHints\"=\"-1\"\n"
                                                 "\"Unknown\"=\"kept as it is\"\n"
                                                 "\n");
    // Stored values keep their places, new ones follow in item order.
    EXPECT_TRUE(
        InEnumerationOrder(CreateCurrentUserRegistry()->OpenKey(kStoreKey)->ValueNames(),
                           {"PipColor", "Unknown", "Player", "DiceStyle", "ShowScoreHints",
                            "DiceColor", "HeldColor", "ScoreHintColor", "PlayDiceRollSound"}));
    auto next = MainStore();
    next->Loaded();
    EXPECT_EQ(SettingInteger(*next, Setting::DiceStyle), 3);
    EXPECT_EQ(next->VHRegistryItems().Count(), 9);
    EXPECT_TRUE(FErrors.empty());
}

TEST_F(SettingsStore, ANonTextSettingIsReportedAndKeepsItsDefault) {
    StoreHive(kHeader + "\"DiceStyle\"=\"3\"\n"
                        "\"DiceColor\"=dword:000000ff\n"
                        "\"Extra\"=hex:01,02\n"
                        "\"Count\"=dword:00000005\n"
                        "\"HeldColor\"=hex(2):31,32,00,33\n"
                        "\"PipColor\"=\"7\"\n");
    {
        auto store = MainStore();
        int fired = 0;
        store->OnReadItemsFromRegistry = [&](TVHRegistry&) { ++fired; };
        store->Loaded();
        EXPECT_EQ(fired, 1);
        // Only the game's settings are checked for their type: values of other
        // types that another tool wrote are not the player's to fix.
        EXPECT_EQ(FErrors, (std::vector<std::string>{"Invalid data type for 'DiceColor'"}));
        EXPECT_EQ(SettingInteger(*store, Setting::DiceColor), 16777215);
        EXPECT_EQ(SettingInteger(*store, Setting::DiceStyle), 3);
        EXPECT_EQ(SettingInteger(*store, Setting::HeldColor), 12) << "text ends at the first NUL";
        EXPECT_EQ(SettingInteger(*store, Setting::PipColor), 7);
        EXPECT_EQ(store->VHRegistryItems().Count(), 8);
    }
    EXPECT_EQ(StoredValue(kStoreKey, "DiceColor"), RegStringValue("16777215"));
    EXPECT_EQ(StoredValue(kStoreKey, "Extra"), (TRegValue{REG_BINARY, "\x01\x02"}));
    EXPECT_EQ(StoredValue(kStoreKey, "Count"), RegDwordValue(5));
}

TEST_F(SettingsStore, ReadersFallBackToTheDefaultWhenTheTextDoesNotConvert) {
    struct Case {
        const char* name;
        const char* stored;
        int integer;
        bool boolean;
    };
    const std::vector<Case> cases = {
        {"DiceColor", "255", 255, true},          {"DiceColor", "blue", 16777215, true},
        {"ScoreHintColor", "", 12632256, true},   {"PipColor", "0x10", 0, false},
        {"ShowScoreHints", "0", 0, false},        {"ShowScoreHints", "maybe", -1, true},
        {"PlayDiceRollSound", "False", 0, false}, {"PlayDiceRollSound", "-1", -1, true},
        {"PlayDiceRollSound", "", 0, true},       {"DiceStyle", "3D", 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "=" + c.stored);
        auto store = MainStore();
        store->SetAutoSave(false);
        SetSetting(*store, c.name, std::string(c.stored));
        EXPECT_EQ(SettingInteger(*store, c.name), c.integer);
        EXPECT_EQ(SettingBoolean(*store, c.name), c.boolean);
        EXPECT_EQ(SettingText(*store, c.name), c.stored);
    }
    auto store = MainStore();
    store->SetAutoSave(false);
    EXPECT_EQ(SettingInteger(*store, "NoSuchSetting"), 0);
    EXPECT_EQ(SettingText(*store, "NoSuchSetting"), "");
}

TEST_F(SettingsStore, NothingIsWrittenWithoutAutoSaveOrItems) {
    {
        auto store = MainStore();
        store->SetAutoSave(false);
    }
    {
        TVHRegistry empty("frmMain", "VHRegistry1");
        empty.SetRegKeyAppName("Tolmir");
        empty.SetRegKeyCompany("Varnholt");
    }
    EXPECT_FALSE(KeyExists("Software"));
    auto store = MainStore();
    store->SetAutoLoad(false);
    StoreHive(kHeader + "\"DiceStyle\"=\"3\"\n");
    int fired = 0;
    store->OnReadItemsFromRegistry = [&](TVHRegistry&) { ++fired; };
    store->Loaded();
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(SettingInteger(*store, Setting::DiceStyle), 2);
}

TEST_F(SettingsStore, AFailedWriteIsReportedAndTheOthersAreStillWritten) {
    TFakeRegistry::TState state;
    state.refusedNames = {"DiceColor", "PipColor"};
    {
        auto store = MainStore(std::make_unique<TFakeRegistry>(state));
        int before = 0;
        store->OnWriteItemsToRegistry = [&](TVHRegistry& AStore) {
            ++before;
            EXPECT_TRUE(state.written.empty()) << "the event fires before writing";
            SetSetting(AStore, Setting::DiceStyle, 3);
            throw std::runtime_error("the handler failed");
        };
    }
    EXPECT_EQ(FErrors,
              (std::vector<std::string>{"the handler failed", "Failed to set data for 'DiceColor'",
                                        "Failed to set data for 'PipColor'"}));
    std::vector<std::string> names;
    for (const auto& [name, value] : state.written) {
        names.push_back(name);
        EXPECT_EQ(value.Type, static_cast<std::uint32_t>(REG_SZ));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"DiceStyle", "Player", "HeldColor", "ScoreHintColor",
                                               "ShowScoreHints", "PlayDiceRollSound"}));
    EXPECT_EQ(state.written[0].second, RegStringValue("3"));
    EXPECT_EQ(state.closes, 1);

    FErrors.clear();
    state.refuseCreate = true;
    { auto store = MainStore(std::make_unique<TFakeRegistry>(state)); }
    ASSERT_EQ(FErrors.size(), 1u);
    EXPECT_NE(FErrors[0].find("frmMain.VHRegistry1"), std::string::npos);
}

TEST_F(SettingsStore, TwoCopiesOfTheGameKeepEachOthersChanges) {
    { MainStore()->Loaded(); } // an earlier run stored every setting
    auto first = MainStore();
    first->Loaded();
    {
        auto second = MainStore();
        second->Loaded();
        SetSetting(*second, Setting::Player, std::string("Bo"));
        SetSetting(*second, Setting::PipColor, 255);
    }
    // The first copy exits last: what it changed wins, what it only read stays
    // as the second copy stored it.
    SetSetting(*first, Setting::DiceStyle, 3);
    SetSetting(*first, Setting::PipColor, 128);
    first.reset();
    auto third = MainStore();
    third->SetAutoSave(false);
    third->Loaded();
    EXPECT_EQ(SettingInteger(*third, Setting::DiceStyle), 3);
    EXPECT_EQ(SettingText(*third, Setting::Player), "Bo");
    EXPECT_EQ(SettingInteger(*third, Setting::PipColor), 128);
    EXPECT_EQ(ItemNames(*third).size(), 8u);
}

// Both copies start before anything is stored: the one that exits last must
// not overwrite the other's changes with the defaults it never changed.
TEST_F(SettingsStore, TwoCopiesOfAFirstRunKeepEachOthersChanges) {
    auto first = MainStore();
    first->Loaded();
    {
        auto second = MainStore();
        second->Loaded();
        SetSetting(*second, Setting::Player, std::string("Bo"));
        SetSetting(*second, Setting::DiceColor, 255);
    }
    SetSetting(*first, Setting::PipColor, 128);
    first.reset();
    auto third = MainStore();
    third->SetAutoSave(false);
    third->Loaded();
    EXPECT_EQ(SettingText(*third, Setting::Player), "Bo");
    EXPECT_EQ(SettingInteger(*third, Setting::DiceColor), 255);
    EXPECT_EQ(SettingInteger(*third, Setting::PipColor), 128);
    EXPECT_EQ(SettingInteger(*third, Setting::HeldColor), 14597308);
    EXPECT_EQ(ItemNames(*third), ItemNames(*MainStore()));
    EXPECT_TRUE(FErrors.empty());
}

// The player removes the settings while the game runs, and another copy then
// stores one of them: the exit restores every other setting and keeps that one.
TEST_F(SettingsStore, SettingsRemovedWhileTheGameRunsAreRestoredWholeAtExit) {
    StoreHive(kHeader + "\"DiceStyle\"=\"3\"\n\"Player\"=\"Ann\"\n\"DiceColor\"=\"255\"\n"
                        "\"PipColor\"=\"7\"\n\"Unknown\"=\"kept\"\n");
    auto store = MainStore();
    store->Loaded();
    SetSetting(*store, Setting::HeldColor, 99);
    StoreHive(kHeader + "\"PipColor\"=\"1\"\n");
    store.reset();
    auto check = MainStore();
    check->SetAutoSave(false);
    check->Loaded();
    EXPECT_EQ(SettingInteger(*check, Setting::DiceStyle), 3);
    EXPECT_EQ(SettingText(*check, Setting::Player), "Ann");
    EXPECT_EQ(SettingInteger(*check, Setting::DiceColor), 255);
    EXPECT_EQ(SettingInteger(*check, Setting::HeldColor), 99);
    EXPECT_EQ(SettingInteger(*check, Setting::PipColor), 1) << "the other copy's change stays";
    EXPECT_EQ(StoredValue(kStoreKey, "ShowScoreHints"), RegStringValue("-1"));
    EXPECT_EQ(StoredValue(kStoreKey, "Unknown"), RegStringValue("kept"));
    EXPECT_TRUE(FErrors.empty());
}

// Once written, a setting set back to its default is a change like any other.
TEST_F(SettingsStore, ASettingSetBackToItsDefaultAfterASaveIsWritten) {
    auto store = MainStore();
    store->Loaded();
    SetSetting(*store, Setting::DiceStyle, 3);
    store->WriteItemsToRegistry();
    SetSetting(*store, Setting::DiceStyle, 2);
    store->WriteItemsToRegistry();
    auto check = MainStore();
    check->SetAutoSave(false);
    check->Loaded();
    EXPECT_EQ(SettingInteger(*check, Setting::DiceStyle), 2);
}

#if defined(_WIN32)
TEST_F(SettingsStore, AValueTheRegistryRefusesIsReportedByName) {
    { auto store = MainStore(CreateRegistryWithVanishingKeys()); }
    std::vector<std::string> expected;
    for (const std::string& name : DeclaredNames())
        expected.push_back("Failed to set data for '" + name + "'");
    EXPECT_EQ(FErrors, expected);
    EXPECT_FALSE(KeyExists(kStoreKey));
}
#else
TEST_F(SettingsStore, ARunThatChangesNothingLeavesTheFileAlone) {
    { MainStore()->Loaded(); }
    const auto written = fs::last_write_time(HivePath());
    const std::string text = HiveText();
    fs::last_write_time(HivePath(), written - std::chrono::hours(1));
    { MainStore()->Loaded(); }
    EXPECT_EQ(fs::last_write_time(HivePath()), written - std::chrono::hours(1));
    EXPECT_EQ(HiveText(), text);
}

#endif

} // namespace
