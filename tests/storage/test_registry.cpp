// The registry as the store and the table see it, against the backend this
// build has: the file hive, or the real registry of Windows.
#include "tests/storage/StorageTestSupport.h"

namespace {

const std::string kKey = "Software\\Varnholt\\Tolmir";
const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";

struct NamedValue {
    std::string name;
    TRegValue value;
};

// Values that must come back unchanged through a fresh registry object.
const std::vector<NamedValue> kValues = {
    {"Plain", RegStringValue("Ann")},
    {"Escapes", RegStringValue("a\\b\"c\\\"d\\")},
    {"Lines", RegStringValue("first\nsecond\r\nthird\n")},
    {"NonLatin", RegStringValue("\xC3\x86r\xC3\xB8 \xE6\x9D\xB1\xE4\xBA\xAC \xE2\x9C\x93 "
                                "\xF0\x9F\x8E\xB2")},
    {"Empty", RegStringValue("")},
    {"Brackets", RegStringValue("[HKEY_CURRENT_USER\\x]\n\"y\"=dword:00000001")},
    {"", RegStringValue("the default value")},
    {"Name \"with\" \\ and \xC3\xA9", RegStringValue("x")},
    {"\xD0\x98\xD0\xBC\xD1\x8F \"\xE1\xBC\x88\xCE\xB8\xE1\xBF\x86\xCE\xBD\xCE\xB1\xCE\xB9\" "
     "\xE6\x9D\xB1\xE4\xBA\xAC",
     RegStringValue("\xC3\x98rjan \"\xE6\x9D\xB1\"")},
    {"Zero", RegDwordValue(0)},
    {"Max", RegDwordValue(0xFFFFFFFFu)},
    {"HeldColor", RegDwordValue(0x00DEBCBCu)},
    {"Binary", {REG_BINARY, std::string("\x00\x01\xFF\x7F", 4)}},
    {"EmptyBinary", {REG_BINARY, ""}},
    {"Expand", {REG_EXPAND_SZ, "%HOME%\\x"}},
    {"Qword", {REG_QWORD, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8)}},
    // As the registry holds it: UTF-16 strings, each terminated, and an empty one.
    {"Multi", {REG_MULTI_SZ, std::string("a\0\0\0b\0\0\0\0\0", 10)}},
    {"ShortDword", {REG_DWORD, std::string("\x01\x02", 2)}},
};

void Write(const std::string& APath, const std::vector<NamedValue>& AValues) {
    auto key = CreateCurrentUserRegistry()->CreateKey(APath);
    ASSERT_NE(key, nullptr);
    for (const NamedValue& v : AValues)
        ASSERT_TRUE(key->SetValue(v.name, v.value)) << v.name;
    ASSERT_TRUE(key->Close());
}

using Registry = TStorageTest;

TEST_F(Registry, EveryValueSurvivesARoundTrip) {
    Write(kKey, kValues);
    auto key = CreateCurrentUserRegistry()->OpenKey(kKey);
    ASSERT_NE(key, nullptr);
    std::vector<std::string> written;
    for (const NamedValue& v : kValues) {
        written.push_back(v.name);
        EXPECT_EQ(key->QueryValue(v.name), v.value) << v.name;
    }
    EXPECT_TRUE(InEnumerationOrder(key->ValueNames(), written));
    EXPECT_EQ(key->QueryValue("Missing"), std::nullopt);
    EXPECT_TRUE(FErrors.empty());
}

TEST_F(Registry, KeysAreCreatedWithTheirParentsAndOnlyWhenAsked) {
    EXPECT_EQ(CreateCurrentUserRegistry()->OpenKey(kKey), nullptr);
    EXPECT_EQ(RegistryDump("Software"), "") << "opening created something";

    const std::string nonLatin = "Software\\Varnholt\\Tolm\xC3\xADr \xE6\x9D\xB1\xE4\xBA\xAC";
    ASSERT_NE(CreateCurrentUserRegistry()->CreateKey(kKey + "\\frmMain.VHRegistry1"), nullptr);
    Write(nonLatin, {{"A", RegStringValue("1")}});
    EXPECT_TRUE(KeyExists("Software\\Varnholt"));
    EXPECT_TRUE(KeyExists(nonLatin));
    EXPECT_FALSE(KeyExists("Software\\Varn"));
    EXPECT_EQ(RegistryDump("Software"),
              kHeader +
                  "[HKEY_CURRENT_USER\\Software]\n\n"
                  "[HKEY_CURRENT_USER\\Software\\Varnholt]\n\n"
                  "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir]\n\n"
                  "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir\\frmMain.VHRegistry1]\n\n"
                  "[HKEY_CURRENT_USER\\" +
                  nonLatin + "]\n\"A\"=\"1\"\n\n");
}

TEST_F(Registry, KeyAndValueNamesIgnoreLetterCaseAndEmptyPathParts) {
    Write(kKey, {{"ItemCount", RegDwordValue(1)}});
    Write("SOFTWARE\\varnholt\\\\TOLMIR\\",
          {{"itemcount", RegDwordValue(2)}, {"Other", RegStringValue("o")}});
    EXPECT_EQ(StoredValue("software\\VARNHOLT\\tolmir", "ITEMCOUNT"), RegDwordValue(2));
    // The first spelling of a key or value stays.
    EXPECT_EQ(RegistryDump("Software"), kHeader +
                                            "[HKEY_CURRENT_USER\\Software]\n\n"
                                            "[HKEY_CURRENT_USER\\Software\\Varnholt]\n\n"
                                            "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir]\n"
                                            "\"ItemCount\"=dword:00000002\n"
                                            "\"Other\"=\"o\"\n\n");
}

// What the first run and a saved table leave in the registry: the same keys,
// value names, types and data on every platform.
const std::string kAfterFirstRun =
    kHeader + "[HKEY_CURRENT_USER\\Software\\Varnholt]\n\n"
              "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir]\n"
              "\"ColumnCount\"=dword:00000003\n"
              "\"Date0\"=\"2024/03/07\"\n"
              "\"ItemCount\"=dword:00000001\n"
              "\"Name0\"=\"Ann\"\n"
              "\"Score0\"=\"187\"\n\n"
              "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir\\frmMain.VHRegistry1]\n"
              "\"DiceColor\"=\"16777215\"\n"
              "\"DiceStyle\"=\"2\"\n"
              "\"HeldColor\"=\"14597308\"\n"
              "\"PipColor\"=\"0\"\n"
              "\"PlayDiceRollSound\"=\"True\"\n"
              "\"Player\"=\"\"\n"
              "\"ScoreHintColor\"=\"12632256\"\n"
              "\"ShowScoreHints\"=\"-1\"\n\n";

// The second run: options confirmed, a better score under a name from outside
// the ANSI code page, with quotes and a backslash.
const std::string kName =
    "\xC3\x98rjan \"\xE1\xBC\x88\xCE\xB8\xE1\xBF\x86\xCE\xBD\xCE\xB1\xCE\xB9\" "
    "\xE6\x9D\xB1\xE4\xBA\xAC\\";
const std::string kAfterSecondRun =
    kHeader +
    "[HKEY_CURRENT_USER\\Software\\Varnholt]\n\n"
    "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir]\n"
    "\"ColumnCount\"=dword:00000003\n"
    "\"Date0\"=\"2024/03/08\"\n"
    "\"Date1\"=\"2024/03/07\"\n"
    "\"ItemCount\"=dword:00000002\n"
    "\"Name0\"=\"\xC3\x98rjan \\\"\xE1\xBC\x88\xCE\xB8\xE1\xBF\x86\xCE\xBD\xCE\xB1\xCE\xB9"
    "\\\" \xE6\x9D\xB1\xE4\xBA\xAC\\\\\"\n"
    "\"Name1\"=\"Ann\"\n"
    "\"Score0\"=\"245\"\n"
    "\"Score1\"=\"187\"\n\n"
    "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir\\frmMain.VHRegistry1]\n"
    "\"DiceColor\"=\"255\"\n"
    "\"DiceStyle\"=\"3\"\n"
    "\"HeldColor\"=\"14597308\"\n"
    "\"PipColor\"=\"0\"\n"
    "\"PlayDiceRollSound\"=\"-1\"\n"
    "\"Player\"=\"\xC3\x98rjan \\\"\xE1\xBC\x88\xCE\xB8\xE1\xBF\x86\xCE\xBD\xCE\xB1\xCE\xB9"
    "\\\" \xE6\x9D\xB1\xE4\xBA\xAC\\\\\"\n"
    "\"ScoreHintColor\"=\"12632256\"\n"
    "\"ShowScoreHints\"=\"0\"\n\n";

using RegistryContent = TStorageTest;

TEST_F(RegistryContent, IsTheSameOnEveryPlatform) {
    {
        auto store = MainStore();
        store->Loaded();
        auto table = MainTable();
        table->LoadFromRegistry();
        table->AddScore(187, "Ann", "2024/03/07");
        table->SaveToRegistry();
    }
    EXPECT_EQ(RegistryDump("Software\\Varnholt"), kAfterFirstRun);
    {
        auto store = MainStore();
        store->Loaded();
        SetSetting(*store, Setting::DiceStyle, 3);
        SetSetting(*store, Setting::DiceColor, 255);
        SetSetting(*store, Setting::ShowScoreHints, false);
        SetSetting(*store, Setting::PlayDiceRollSound, true);
        SetSetting(*store, Setting::Player, kName);
        auto table = MainTable();
        table->LoadFromRegistry();
        EXPECT_EQ(table->AddScore(245, kName, "2024/03/08"), 0u);
        table->SaveToRegistry();
    }
    EXPECT_EQ(RegistryDump("Software\\Varnholt"), kAfterSecondRun);

    auto store = MainStore();
    store->SetAutoSave(false);
    store->Loaded();
    EXPECT_EQ(SettingText(*store, Setting::Player), kName);
    auto table = MainTable();
    table->LoadFromRegistry();
    ASSERT_EQ(table->Rows().size(), 2u);
    EXPECT_EQ(table->Rows()[0], (TListRow{kName, {"245", "2024/03/08"}}));
    EXPECT_TRUE(FErrors.empty());
}

} // namespace
