// The whole game against hostile stored data: the main window and the
// high-score dialog start from a hive that was damaged, edited by hand or cannot
// be written, a whole game is played through the window's menu actions, and the
// window closes. Each case must start (or say why it cannot save), reach the end
// of the game, keep what was stored (a damaged file is kept aside), and write
// nothing outside the hive's folder.
//
// Each case prints one line "hostile | <case> | <reports> | <outcome>"; these
// lines are the table of the reliability figures.

#include "tests/support/ErrorBoxGuard.h"
#include "tests/support/MainWindowParts.h"
#include "tests/support/SessionFakes.h"

#include "app/ScoreGrid.h"
#include "app/uMain.h"
#include "controls/VHDice.h"
#include "controls/VHListView.h"
#include "dialogs/uHighScores.h"
#include "platform/Application.h"
#include "storage/HiveFormat.h"
#include "storage/MainSettings.h"
#include "storage/StorageErrors.h"
#include "storage/VHRegistry.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <map>
#include <sys/stat.h>

namespace {

const QString kHeader = QStringLiteral("Windows Registry Editor Version 5.00\n\n");
const QString kAppKey = QStringLiteral("[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir]\n");
const QString kSettingsKey =
    QStringLiteral("[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir\\frmMain.VHRegistry1]\n");

// Two stored high scores, below what the played game scores.
QByteArray TwoRows(const QString& AItemCount, const QString& AColumnCount) {
    return (kHeader + kAppKey + "\"ItemCount\"=" + AItemCount +
            "\n\"ColumnCount\"=" + AColumnCount +
            "\n\"Name0\"=\"Ann\"\n\"Score0\"=\"190\"\n\"Date0\"=\"2024/01/02\"\n"
            "\"Name1\"=\"Bo\"\n\"Score1\"=\"150\"\n\"Date1\"=\"2024/01/01\"\n\n" +
            kSettingsKey + "\"DiceStyle\"=\"3\"\n")
        .toUtf8();
}

void WriteFile(const QString& AFile, const QByteArray& AData) {
    QDir().mkpath(QFileInfo(AFile).path());
    QFile file(AFile);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(AData);
}

QByteArray ReadFile(const QString& AFile) {
    if (!QFileInfo(AFile).isFile())
        return {}; // a FIFO would block
    QFile file(AFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Size and time of every entry below AFolder, except AExcept and what it holds.
std::map<QString, QString> Listing(const QString& AFolder, const QString& AExcept) {
    std::map<QString, QString> files;
    QDirIterator it(AFolder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path == AExcept || path.startsWith(AExcept + "/"))
            continue;
        const QFileInfo info(path);
        files[path] = QString::number(info.size()) + " " +
                      QString::number(info.lastModified().toMSecsSinceEpoch());
    }
    return files;
}

std::optional<TRegValue> StoredValue(const THive& AHive, const std::string& AKey,
                                     const std::string& AName) {
    const THiveKey* key = FindHiveKey(AHive, AKey);
    const THiveValue* value = key ? FindHiveValue(*key, AName) : nullptr;
    return value ? std::optional(value->Value) : std::nullopt;
}

const std::string kApp = "Software\\Varnholt\\Tolmir";
const std::string kStore = kApp + "\\frmMain.VHRegistry1";

// Whether the saved table holds a row with this name, score and (when given) date.
bool HasRow(const THive& AHive, const std::string& AName, const std::string& AScore,
            const std::string& ADate = {}) {
    for (int r = 0; r < 10; ++r) {
        const std::string n = std::to_string(r);
        if (StoredValue(AHive, kApp, "Name" + n) == RegStringValue(AName) &&
            StoredValue(AHive, kApp, "Score" + n) == RegStringValue(AScore) &&
            (ADate.empty() || StoredValue(AHive, kApp, "Date" + n) == RegStringValue(ADate)))
            return true;
    }
    return false;
}

enum class TOutcome {
    Kept,     // the hive is used and saved
    SetAside, // the damaged file is kept aside, a fresh hive is saved
    Skipped,  // what could be read is used and saved, the file as it was kept aside
    Unsaved,  // the game plays from what it could read and saves nothing
};

struct THostileCase {
    const char* Name;
    std::function<void(const QString& AHive)> Make;
    TOutcome Outcome;
    QStringList Reports; // a part of each report, in order
    // Further checks of the saved hive.
    std::function<void(const THive& AHive)> Check = [](const THive&) {};
    std::function<void(const QString& AHive)> Undo = [](const QString&) {};
};

void MakeReadOnly(const QString& APath) {
    QFile::setPermissions(APath, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
}
void MakeWritable(const QString& APath) {
    QFile::setPermissions(APath,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

const std::vector<THostileCase>& Cases() {
    static const QByteArray megabyte(1 << 20, 'x');
    static const std::vector<THostileCase> cases = {
        {"values of the wrong types",
         [](const QString& AHive) {
             WriteFile(AHive, (kHeader + kAppKey +
                               "\"ItemCount\"=\"2\"\n\"ColumnCount\"=dword:00000003\n"
                               "\"Name0\"=dword:00000001\n\n" +
                               kSettingsKey +
                               "\"DiceStyle\"=dword:00000003\n\"DiceColor\"=hex:ff,00\n"
                               "\"Player\"=hex(7):41,00,00\n\"PipColor\"=\"255\"\n")
                                  .toUtf8());
         },
         TOutcome::Kept,
         {"Invalid data type for 'DiceStyle'", "Invalid data type for 'DiceColor'",
          "Invalid data type for 'Player'", "Invalid data type for 'Name0'",
          "(Invalid data type for 'ItemCount'): the 2 rows found there are read and kept."},
         [](const THive& AHive) {
             // The two rows that the count stored as text holds are kept.
             QCOMPARE(StoredValue(AHive, kApp, "ItemCount"), std::optional(RegDwordValue(3)));
             QCOMPARE(StoredValue(AHive, kStore, "DiceStyle"), std::optional(RegStringValue("2")));
             QCOMPARE(StoredValue(AHive, kStore, "PipColor"), std::optional(RegStringValue("255")));
         }},
        {"ItemCount 0xFFFFFFFF",
         [](const QString& AHive) {
             WriteFile(AHive, TwoRows("dword:ffffffff", "dword:00000003"));
         },
         TOutcome::Kept,
         {},
         [](const THive& AHive) {
             // Ten rows were read (eight of them empty); the new score took the
             // place of the last one.
             QCOMPARE(StoredValue(AHive, kApp, "ItemCount"), std::optional(RegDwordValue(10)));
             QVERIFY(HasRow(AHive, "Ann", "190", "2024/01/02"));
             QVERIFY(HasRow(AHive, "Bo", "150", "2024/01/01"));
         }},
        {"ColumnCount 0",
         [](const QString& AHive) {
             WriteFile(AHive, TwoRows("dword:00000002", "dword:00000000"));
         },
         TOutcome::Kept,
         {},
         [](const THive& AHive) {
             // The cells are read although the count says there are none.
             QVERIFY(HasRow(AHive, "Ann", "190", "2024/01/02"));
             QVERIFY(HasRow(AHive, "Bo", "150", "2024/01/01"));
         }},
        {"ColumnCount 1000",
         [](const QString& AHive) {
             WriteFile(AHive, TwoRows("dword:00000002", "dword:000003e8"));
         },
         TOutcome::Kept,
         {},
         [](const THive& AHive) {
             QCOMPARE(StoredValue(AHive, kApp, "ColumnCount"), std::optional(RegDwordValue(3)));
             QVERIFY(HasRow(AHive, "Bo", "150", "2024/01/01"));
         }},
        {"names of a megabyte",
         [](const QString& AHive) {
             WriteFile(AHive,
                       (kHeader + kAppKey +
                        "\"ItemCount\"=dword:00000001\n\"ColumnCount\"=dword:00000003\n"
                        "\"Name0\"=\"" +
                        megabyte + "\"\n\"Score0\"=\"150\"\n\n" + kSettingsKey + "\"Player\"=\"" +
                        megabyte + "\"\n\"" + megabyte + "\"=\"a value with a long name\"\n")
                           .toUtf8());
         },
         TOutcome::Kept,
         {},
         [](const THive& AHive) {
             QVERIFY(HasRow(AHive, megabyte.toStdString(), "150"));
             QCOMPARE(StoredValue(AHive, kStore, megabyte.toStdString()),
                      std::optional(RegStringValue("a value with a long name")));
         }},
        {"invalid UTF-8",
         [](const QString& AHive) {
             WriteFile(AHive, kHeader.toUtf8() + kAppKey.toUtf8() +
                                  "\"ItemCount\"=dword:00000001\n\"ColumnCount\"=dword:00000003\n"
                                  "\"Name0\"=\"Bo\xFF\xC3(\"\n\"Score0\"=\"150\"\n\n" +
                                  kSettingsKey.toUtf8() + "\"Unknown\xC0\"=\"\xED\xA0\x80\"\n");
         },
         TOutcome::Kept,
         {},
         [](const THive& AHive) {
             QVERIFY(HasRow(AHive, "Bo\xFF\xC3(", "150"));
             QCOMPARE(StoredValue(AHive, kStore, "Unknown\xC0"),
                      std::optional(RegStringValue("\xED\xA0\x80")));
         }},
        {"an unterminated string",
         [](const QString& AHive) {
             WriteFile(AHive, (kHeader + kSettingsKey + "\"Player\"=\"Ann\n").toUtf8());
         },
         TOutcome::Skipped,
         {"could not be read (line 4: a string has no closing quote) and are not in the saved "
          "file"}},
        {"a key line without a closing bracket",
         [](const QString& AHive) {
             WriteFile(AHive, (kHeader + "[HKEY_CURRENT_USER\\Software\\Varnholt\\Tolmir\n"
                                         "\"ItemCount\"=dword:00000001\n")
                                  .toUtf8());
         },
         TOutcome::Skipped,
         {"could not be read (line 3: a key name has no closing bracket; line 4: a value of a "
          "key that could not be read)"}},
        {"a file of random bytes",
         [](const QString& AHive) {
             QByteArray bytes(4096, '\0');
             QRandomGenerator random(20240501);
             for (char& byte : bytes)
                 byte = static_cast<char>(random.bounded(256));
             WriteFile(AHive, bytes);
         },
         TOutcome::SetAside,
         {"are damaged or too large (nothing could be read; line "}},
        {"an empty file",
         [](const QString& AHive) { WriteFile(AHive, {}); },
         TOutcome::SetAside,
         {"are damaged or too large (line 1: the file is empty)"}},
        {"a FIFO in place of the file",
         [](const QString& AHive) {
             QVERIFY(QDir().mkpath(QFileInfo(AHive).path()));
             QCOMPARE(::mkfifo(QFile::encodeName(AHive).constData(), 0600), 0);
         },
         TOutcome::SetAside,
         {"are damaged or too large (it is not a regular file)"}},
        {"a file over 16 MB",
         [](const QString& AHive) {
             WriteFile(AHive, TwoRows("dword:00000002", "dword:00000003"));
             QVERIFY(QFile::resize(AHive, 16 * 1024 * 1024 + 1));
         },
         TOutcome::SetAside,
         {"are damaged or too large (it is larger than 16 MB)"}},
        {"bare CR line ends",
         [](const QString& AHive) {
             WriteFile(AHive, TwoRows("dword:00000002", "dword:00000003").replace('\n', '\r'));
         },
         TOutcome::Kept,
         {},
         [](const THive& AHive) {
             QVERIFY(HasRow(AHive, "Ann", "190", "2024/01/02"));
             QCOMPARE(StoredValue(AHive, kStore, "DiceStyle"), std::optional(RegStringValue("3")));
         }},
        {"a file that is a directory",
         [](const QString& AHive) { QVERIFY(QDir().mkpath(AHive + "/inside")); },
         TOutcome::Unsaved,
         {"could not be read: Is a directory. The game starts from the defaults and does not "
          "save",
          "The high score of Cy (239) was not saved and is lost."}},
        {"a read-only file",
         [](const QString& AHive) {
             WriteFile(AHive, TwoRows("dword:00000002", "dword:00000003"));
             MakeReadOnly(AHive);
         },
         TOutcome::Unsaved,
         // Each kind of data is reported once; the new score is tried again at
         // the end and then said to be lost.
         {"The high scores could not be saved to ~/.config/Varnholt/Tolmir.reg: the file is "
          "read-only.",
          "The high score of Cy (239) was not saved and is lost.",
          "The settings could not be saved to ~/.config/Varnholt/Tolmir.reg: the file is "
          "read-only."},
         [](const THive&) {},
         [](const QString& AHive) { MakeWritable(AHive); }},
        {"a read-only directory",
         [](const QString& AHive) {
             WriteFile(AHive, TwoRows("dword:00000002", "dword:00000003"));
             MakeReadOnly(QFileInfo(AHive).path());
         },
         TOutcome::Unsaved,
         {"The high scores could not be saved to ~/.config/Varnholt/Tolmir.reg: the folder "
          "~/.config/Varnholt is read-only.",
          "The high score of Cy (239) was not saved and is lost.",
          "The settings could not be saved to ~/.config/Varnholt/Tolmir.reg: the folder "
          "~/.config/Varnholt is read-only."},
         [](const THive&) {},
         [](const QString& AHive) { MakeWritable(QFileInfo(AHive).path()); }},
    };
    return cases;
}

// The hand each written line is played with, in the order of the write actions
// (1 to 6, Straight, Full, High, Low, Jubo).
const std::array<std::array<int, 5>, 11> kHands = {{{1, 1, 1, 1, 1},
                                                    {2, 2, 2, 2, 2},
                                                    {3, 3, 3, 3, 3},
                                                    {4, 4, 4, 4, 4},
                                                    {5, 5, 5, 5, 5},
                                                    {6, 6, 6, 6, 6},
                                                    {1, 2, 3, 4, 5},
                                                    {2, 2, 3, 3, 3},
                                                    {6, 6, 6, 6, 5},
                                                    {1, 1, 1, 2, 2},
                                                    {4, 4, 4, 4, 4}}};

} // namespace

class TestHostileHives : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    }

    void playsAWholeGame_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < Cases().size(); ++i)
            QTest::newRow(Cases()[i].Name) << static_cast<int>(i);
    }

    void playsAWholeGame() {
        QFETCH(int, index);
        const THostileCase& c = Cases()[static_cast<std::size_t>(index)];

        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString config = home.path() + "/.config";
        const QString folder = config + "/Varnholt";
        const QString hive = folder + "/Tolmir.reg";
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
        c.Make(hive);
        const QByteArray before = ReadFile(hive);
        const bool wasFolder = QFileInfo(hive).isDir();
        const std::map<QString, QString> outside = Listing(home.path(), folder);

        QStringList reports;
        SetStorageErrorReporter(
            [&](const std::string& AMessage) { reports << QString::fromStdString(AMessage); });
        const TErrorBoxGuard exceptions(TErrorBoxGuard::Record);

        EventLog log;
        FakePrompter prompter(log);
        prompter.typedName = "Cy";
        prompter.answers = {true, true, true};
        FakeSound sound(log);
        FakeClock clock;
        int dialogsClosed = 0;
        QString total;
        QStringList shownNames;
        {
            auto window = std::make_unique<TfrmMain>(TfrmMainServices{&prompter, &sound, &clock});
            auto highScores = std::make_unique<TfrmHighScores>(window.get());
            window->SetHighScoresForm(highScores.get());
            window->show();

            // The high-score dialog is modal: close it as the player would, once
            // it shows, after noting the names it lists.
            QTimer closer;
            connect(&closer, &QTimer::timeout, [&] {
                if (QApplication::activeModalWidget() == highScores.get()) {
                    TVHHighScoreListView* list = highScores->lvwHighScores;
                    for (int r = 0; r < list->topLevelItemCount(); ++r)
                        shownNames << list->topLevelItem(r)->text(0);
                    highScores->done(QDialog::Accepted);
                    ++dialogsClosed;
                }
            });
            closer.start(5);

            const std::vector<TVHDice*> dice = window->AllDice();
            for (std::size_t line = 0; line < kHands.size(); ++line) {
                Part<QPushButton>(*window, "btnBrasser")->click(); // the first roll rolls every die
                for (std::size_t d = 0; d < dice.size(); ++d) {
                    dice[d]->SetDiceValue(kHands[line][d]);
                    if (!dice[d]->Held())
                        GameItem(*window, d)->trigger(); // F1..F5: hold
                }
                Part<QPushButton>(*window, "btnBrasser")->click();
                GameItem(*window, 5 + line)->trigger();
            }
            total =
                QString::fromStdString(Part<TScoreGrid>(*window, "grdScore")->Cell(1, rowTotal));
            QVERIFY(window->close());
            window->SetHighScoresForm(nullptr);
            highScores.reset();
            window.reset(); // the settings are written as the window goes
        }
        SetStorageErrorReporter(nullptr);
        c.Undo(hive);
        const std::vector<std::string>& texts = exceptions.Texts();

        QVERIFY2(texts.empty(), texts.empty() ? "" : texts.front().c_str());
        // The game reached its end: the name was asked for and the new score
        // listed in the dialog.
        QCOMPARE(prompter.prompts.size(), std::size_t(1));
        QVERIFY(total.toInt() > 100);
        QCOMPARE(dialogsClosed, 1);
        QVERIFY2(shownNames.contains("Cy"), qPrintable(shownNames.join(',')));

        // The reports, with the temporary home written as "~".
        reports.replaceInStrings(home.path(), "~");
        QVERIFY2(reports.size() == c.Reports.size(), qPrintable(reports.join(" / ")));
        for (qsizetype i = 0; i < c.Reports.size(); ++i)
            QVERIFY2(reports[i].contains(c.Reports[i]), qPrintable(reports[i]));

        // Nothing outside the hive's folder changed, and inside it only the
        // hive's own files.
        QCOMPARE(Listing(home.path(), folder), outside);
        QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        for (const QString& name : names)
            QVERIFY2(name.startsWith("Tolmir.reg"), qPrintable(name));

        QString outcome;
        if (c.Outcome == TOutcome::Unsaved) {
            QCOMPARE(QFileInfo(hive).isDir(), wasFolder);
            QCOMPARE(ReadFile(hive), before);
            outcome = "played; the hive was left as it was, nothing saved";
        } else {
            if (c.Outcome == TOutcome::SetAside || c.Outcome == TOutcome::Skipped) {
                const QStringList aside =
                    QDir(folder).entryList({"Tolmir.reg.corrupt-*"}, QDir::Files | QDir::System);
                QCOMPARE(aside.size(), 1);
                QCOMPARE(ReadFile(folder + "/" + aside[0]), before);
                outcome = c.Outcome == TOutcome::SetAside
                              ? "played from the defaults; damaged file kept as " +
                                    aside[0].left(19) + "*, fresh hive saved"
                              : "played from what could be read; the file as it was kept as " +
                                    aside[0].left(19) + "*, the rest saved";
            } else {
                QVERIFY(QDir(folder)
                            .entryList({"Tolmir.reg.corrupt-*"}, QDir::Files | QDir::System)
                            .isEmpty());
                outcome = "played; stored values kept, new score and settings saved";
            }
            THive saved;
            std::string why;
            QVERIFY2(ParseHive(ReadFile(hive).toStdString(), saved, why), why.c_str());
            QCOMPARE(StoredValue(saved, kStore, "Player"), std::optional(RegStringValue("Cy")));
            bool scoreSaved = false;
            for (int r = 0; r < 10; ++r)
                scoreSaved = scoreSaved || (StoredValue(saved, kApp, "Name" + std::to_string(r)) ==
                                                RegStringValue("Cy") &&
                                            StoredValue(saved, kApp, "Score" + std::to_string(r)) ==
                                                RegStringValue(total.toStdString()));
            QVERIFY(scoreSaved);
            c.Check(saved);
            if (QTest::currentTestFailed())
                return;
        }
        QString said = reports.isEmpty() ? QStringLiteral("none") : reports.join(" / ");
        if (said.size() > 160)
            said = said.left(157) + "...";
        qInfo().noquote() << "hostile |" << c.Name << "|" << reports.size() << "report(s):" << said
                          << "|" << outcome;
    }
};

QTEST_MAIN(TestHostileHives)
#include "test_hostile_hives.moc"
