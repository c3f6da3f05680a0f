#include "controls/VHListView.h"
#include "game/HighScoreRules.h"
#include "storage/FileHive.h"
#include "storage/StorageErrors.h"
#include "tests/support/ErrorBoxGuard.h"

#include <QDate>
#include <QHeaderView>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestVHListView : public QObject {
    Q_OBJECT

    const TErrorBoxGuard FErrorBoxGuard;

private slots:
    void init();
    void cleanup();
    void hasTheThreeColumnsAndIsReadOnly();
    void dateSeparatorComesFromTheDateFormat_data();
    void dateSeparatorComesFromTheDateFormat();
    void addScoreUsesTheRegionalDateSeparator();
    void aFullListEvictsItsLastRow();
    void rowsSurviveASaveAndALoad();
    void anEmptyListWritesNothing();
    void storedBytesThatAreNotUtf8SurviveASave();

private:
    std::unique_ptr<TVHHighScoreListView> List();
    QStringList Column(const TVHListView& AList, int AColumn) const;

    std::unique_ptr<QTemporaryDir> FDir;
    QStringList FErrors;
};

void TestVHListView::init() {
    FDir = std::make_unique<QTemporaryDir>();
    QVERIFY(FDir->isValid());
    qputenv("XDG_CONFIG_HOME", FDir->path().toUtf8());
    FErrors.clear();
    SetStorageErrorReporter(
        [this](const std::string& AMessage) { FErrors << QString::fromStdString(AMessage); });
    QLocale::setDefault(QLocale::c());
}

void TestVHListView::cleanup() {
    SetStorageErrorReporter(nullptr);
    QCOMPARE(FErrors, QStringList());
    FDir.reset();
}

std::unique_ptr<TVHHighScoreListView> TestVHListView::List() {
    auto list = std::make_unique<TVHHighScoreListView>();
    list->SetRegKeyCompany("Varnholt");
    list->SetRegKeyAppName("Tolmir");
    return list;
}

QStringList TestVHListView::Column(const TVHListView& AList, int AColumn) const {
    QStringList texts;
    for (int r = 0; r < AList.topLevelItemCount(); ++r)
        texts << AList.topLevelItem(r)->text(AColumn);
    return texts;
}

void TestVHListView::hasTheThreeColumnsAndIsReadOnly() {
    auto list = List();
    QCOMPARE(list->columnCount(), 3);
    QCOMPARE(list->ColumnCaptions(), (std::vector<std::string>{"Name", "Score", "Date"}));
    QCOMPARE(list->columnWidth(0), 125);
    QCOMPARE(list->columnWidth(1), 60);
    QCOMPARE(list->columnWidth(2), 100);
    QVERIFY(list->ReadOnly());
    QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(list->RegKeySoftware(), std::string("Software"));
    QCOMPARE(list->KeyPath(), std::string("\\Software\\Varnholt\\Tolmir\\"));
}

void TestVHListView::dateSeparatorComesFromTheDateFormat_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("separator");
    QTest::newRow("slash") << "M/d/yy"
                           << "/";
    QTest::newRow("full stop") << "dd.MM.yyyy"
                               << ".";
    QTest::newRow("hyphen") << "yyyy-MM-dd"
                            << "-";
    QTest::newRow("full stop and space") << "d. M. yyyy"
                                         << ".";
    QTest::newRow("right-to-left marks") << QStringLiteral("d\u200F/M\u200F/yyyy") << "/";
    QTest::newRow("no separator") << "yyyyMMdd"
                                  << "/";
    QTest::newRow("quoted text") << "yyyy'x'M'y'd"
                                 << "/";
    QTest::newRow("empty") << ""
                           << "/";
    QTest::newRow("month spelled out") << "d MMM yyyy"
                                       << "/";
}

void TestVHListView::dateSeparatorComesFromTheDateFormat() {
    QFETCH(QString, format);
    QFETCH(QString, separator);
    QCOMPARE(DateSeparatorOf(format), separator);
}

void TestVHListView::addScoreUsesTheRegionalDateSeparator() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto list = List();
    QTreeWidgetItem* row = list->AddScore(187, QStringLiteral("Jürgen"));
    QVERIFY(row != nullptr);
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd"));
    QCOMPARE(row->text(0), QStringLiteral("Jürgen"));
    QCOMPARE(row->text(1), QStringLiteral("187"));
    QCOMPARE(row->text(2), today);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    row = list->AddScore(150, "Ann");
    QVERIFY(row != nullptr);
    QCOMPARE(row->text(2), QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
}

void TestVHListView::aFullListEvictsItsLastRow() {
    auto list = List();
    QStringList deleted;
    list->OnDeletion = [&](TVHListView&, QTreeWidgetItem* AItem) { deleted << AItem->text(1); };
    for (int score = 150; score <= 240; score += 10)
        list->AddScore(score, QString::number(score));
    QCOMPARE(list->topLevelItemCount(), 10);
    QCOMPARE(list->LowestScore(), 150);
    QVERIFY(!QualifiesForHighScores(150, list->topLevelItemCount(), list->LowestScore()));
    QVERIFY(QualifiesForHighScores(151, list->topLevelItemCount(), list->LowestScore()));
    QVERIFY(deleted.isEmpty());

    QTreeWidgetItem* added = list->AddScore(205, "New");
    QVERIFY(added != nullptr);
    QCOMPARE(deleted, QStringList{"150"});
    QCOMPARE(list->topLevelItemCount(), 10);
    QCOMPARE(list->indexOfTopLevelItem(added), 4);
    QCOMPARE(Column(*list, 1),
             (QStringList{"240", "230", "220", "210", "205", "200", "190", "180", "170", "160"}));
    QVERIFY(list->CompareScores(list->topLevelItem(0), list->topLevelItem(1)) < 0);
    QVERIFY(list->CompareScores(list->topLevelItem(1), list->topLevelItem(0)) > 0);
    list->DeleteLastItem();
    QCOMPARE(list->LowestScore(), 170);
    list->clear();
    QCOMPARE(list->LowestScore(), 0);
}

void TestVHListView::rowsSurviveASaveAndALoad() {
    auto list = List();
    list->AddScore(120, QStringLiteral("Ærø \"quoted\" \\ name"));
    list->AddScore(180, QStringLiteral("東京"));
    list->SaveToRegistry();

    auto loaded = List();
    loaded->AddScore(300, "Already there");
    loaded->LoadFromRegistry();
    QCOMPARE(Column(*loaded, 0), (QStringList{"Already there", QStringLiteral("東京"),
                                              QStringLiteral("Ærø \"quoted\" \\ name")}));
    QCOMPARE(Column(*loaded, 1), (QStringList{"300", "180", "120"}));

    TFileHive hive(TFileHive::DefaultFileName());
    auto key = hive.OpenKey("Software\\Varnholt\\Tolmir");
    QVERIFY(key != nullptr);
    QCOMPARE(key->QueryValue("ItemCount"), std::optional(RegDwordValue(2)));
    QCOMPARE(key->QueryValue("Name0"), std::optional(RegStringValue("\xE6\x9D\xB1\xE4\xBA\xAC")));
    QCOMPARE(key->QueryValue("Score1"), std::optional(RegStringValue("120")));

    // Twelve stored rows: a load keeps ten.
    {
        auto twelve = hive.CreateKey("Software\\Varnholt\\Tolmir");
        twelve->SetValue("ItemCount", RegDwordValue(12));
        twelve->SetValue("ColumnCount", RegDwordValue(3));
        for (int i = 0; i < 12; ++i)
            twelve->SetValue("Score" + std::to_string(i), RegStringValue(std::to_string(300 - i)));
        QVERIFY(twelve->Close());
    }
    auto limited = List();
    limited->LoadFromRegistry();
    QCOMPARE(limited->topLevelItemCount(), 10);
    QCOMPARE(limited->LowestScore(), 291);
}

void TestVHListView::anEmptyListWritesNothing() {
    auto list = List();
    list->SaveToRegistry();
    list->LoadFromRegistry();
    QCOMPARE(list->topLevelItemCount(), 0);
    QVERIFY(!QFileInfo::exists(FDir->path() + "/Varnholt/Tolmir.reg"));
}

// The list shows such a name with replacement characters; saving the table (each
// time the dialog closes) must not replace the stored bytes with them.
void TestVHListView::storedBytesThatAreNotUtf8SurviveASave() {
    const std::string broken = "Bo\xFF\xC3(";
    {
        TFileHive hive(TFileHive::DefaultFileName());
        auto key = hive.CreateKey("Software\\Varnholt\\Tolmir");
        key->SetValue("ItemCount", RegDwordValue(2));
        key->SetValue("ColumnCount", RegDwordValue(3));
        key->SetValue("Name0", RegStringValue(broken));
        key->SetValue("Score0", RegStringValue("200"));
        key->SetValue("Name1", RegStringValue("Ann\xE9"));
        key->SetValue("Score1", RegStringValue("150"));
        QVERIFY(key->Close());
    }
    auto list = List();
    list->LoadFromRegistry();
    QCOMPARE(list->topLevelItemCount(), 2);
    QVERIFY(list->topLevelItem(0)->text(0).startsWith("Bo"));
    list->AddScore(250, "New");
    list->SaveToRegistry();
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(Column(*list, 0).mid(0, 1), QStringList{"New"});
    QVERIFY(list->topLevelItem(1)->text(0).startsWith("Bo"));
    TFileHive hive(TFileHive::DefaultFileName());
    auto key = hive.OpenKey("Software\\Varnholt\\Tolmir");
    QVERIFY(key != nullptr);
    QCOMPARE(key->QueryValue("Name1"), std::optional(RegStringValue(broken)));
    QCOMPARE(key->QueryValue("Name2"), std::optional(RegStringValue("Ann\xE9")));
    QCOMPARE(key->QueryValue("Name0"), std::optional(RegStringValue("New")));
}

QTEST_MAIN(TestVHListView)
#include "test_vhlistview.moc"
