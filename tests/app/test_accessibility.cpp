// The main window as a screen reader sees it, through Qt's accessibility
// interfaces: the dice, the counters, the sheet's lines, the events sent after
// a roll, a hold, a write and an undo, and the keys of a player who cannot see:
// the sheet from its own focus, the menu bar by Alt and F10, the roll key.

#include "tests/support/ErrorBoxGuard.h"
#include "tests/support/MainWindowParts.h"
#include "tests/support/SessionFakes.h"

#include "app/Accessibility.h"
#include "app/ScoreGrid.h"
#include "app/uMain.h"
#include "controls/VHDice.h"
#include "platform/AnsweringSoundPlayer.h"
#include "platform/Application.h"
#include "tests/support/PrivateRegistry.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtGui/private/qguiapplication_p.h>
#include <QtTest>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <functional>

namespace {

struct TRecorded {
    QAccessible::Event Type;
    QObject* Object;
    QString Name; // the object's accessible name when the event was sent
    bool Checked;
};

std::vector<TRecorded> GEvents;

void Record(QAccessibleEvent* AEvent) {
    QAccessibleInterface* iface = AEvent->accessibleInterface();
    GEvents.push_back({AEvent->type(), AEvent->object(),
                       iface ? iface->text(QAccessible::Name) : QString(),
                       iface && iface->state().checked});
}

const TRecorded* Find(QObject* AObject, QAccessible::Event AType) {
    const auto found = std::find_if(GEvents.begin(), GEvents.end(), [&](const TRecorded& e) {
        return e.Object == AObject && e.Type == AType;
    });
    return found == GEvents.end() ? nullptr : &*found;
}

QAccessibleInterface* Iface(QObject* AObject) {
    return QAccessible::queryAccessibleInterface(AObject);
}

QStringList ChildNames(QObject* AContainer) {
    QStringList names;
    QAccessibleInterface* container = Iface(AContainer);
    for (int i = 0; i < container->childCount(); ++i) {
        names << container->child(i)->text(QAccessible::Name);
    }
    return names;
}

QString CellName(TScoreGrid* AGrid, int ARow) {
    return Iface(AGrid)->tableInterface()->cellAt(ARow, kScoreCol)->text(QAccessible::Name);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private:
    // A sound that lets the test look around while it plays.
    struct WatchedSound : ISoundPlayer {
        void PlayWaveResource(const std::string& AName) override {
            if (OnPlay) {
                OnPlay(AName);
            }
        }
        std::function<void(const std::string&)> OnPlay;
    };

    // The window with fake questions, sound and a clock that rolls 3 2 3 1 5.
    struct Rig {
        EventLog log;
        FakePrompter prompter{log};
        WatchedSound sound;
        FakeClock clock;
        TErrorBoxGuard errors{TErrorBoxGuard::Record};
        TfrmMain w{TfrmMainServices{&prompter, &sound, &clock}};

        Rig() {
            w.show();
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            GEvents.clear();
        }
        TAnnouncer* Announcer() { return w.findChild<TAnnouncer*>(QStringLiteral("announcer")); }
        bool IsVoice(QObject* AObject) {
            return AObject != nullptr && AObject->parent() == Announcer();
        }
        // The announcer sends once the handler has returned and the event queue
        // has gone round twice.
        void Settle() {
            for (int i = 0; i < 10 && Announcer()->Pending(); ++i) {
                QCoreApplication::processEvents();
            }
        }
        // The announcements sent since the last call: a notification's name
        // changes, each followed by its showing.
        QStringList Announced() {
            Settle();
            QStringList said;
            for (auto e = GEvents.begin(); e != GEvents.end(); ++e) {
                if (!IsVoice(e->Object) || e->Type != QAccessible::NameChanged) {
                    continue;
                }
                const auto next = std::find_if(e + 1, GEvents.end(), [&](const TRecorded& f) {
                    return f.Object == e->Object;
                });
                if (next != GEvents.end() && next->Type == QAccessible::ObjectShow) {
                    said << e->Name;
                }
            }
            GEvents.clear();
            return said;
        }
        // The names that took the focus, in order, since the last call.
        QStringList Focused() {
            QStringList names;
            for (const TRecorded& e : GEvents) {
                if (e.Type == QAccessible::Focus) {
                    names << e.Name;
                }
            }
            GEvents.clear();
            return names;
        }
    };

    TPrivateRegistry FRegistry;
    QTemporaryDir FAudioFolder;

private slots:
    void initTestCase() {
        QAccessible::installUpdateHandler(&Record);
        // Events reach the handler only while accessibility is on, as a screen
        // reader turns it on; the headless platform has no reader to do so.
        QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform != nullptr);
        platform->setActive(true);
        QVERIFY(QAccessible::isActive());
        // A sound device that plays in real time, into a file.
        QVERIFY(FAudioFolder.isValid());
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(FAudioFolder.filePath("audio.raw")));
    }

    void treeFollowsTheGame() {
        Rig rig;
        TfrmMain& w = rig.w;
        const std::vector<TVHDice*> dice = w.AllDice();
        QAccessibleInterface* first = Iface(dice[0]);
        QCOMPARE(first->role(), QAccessible::CheckBox);
        QCOMPARE(first->text(QAccessible::Description), QStringLiteral("Press F1 to hold/unhold"));
        QVERIFY(first->state().checkable);
        for (QWidget* voice : rig.Announcer()->findChildren<QWidget*>()) {
            QCOMPARE(Iface(voice)->role(), QAccessible::Notification);
            QVERIFY(voice->isHidden()); // nothing to say yet, so nothing is shown
        }
        QVERIFY(!ChildNames(Part<QGroupBox>(w, "pnlJuboHand")).contains(QStringLiteral("Held")));
        const QStringList client = ChildNames(w.centralWidget());
        QVERIFY(client.contains(QStringLiteral("Rolls: 0")));
        QVERIFY(!client.contains(QStringLiteral("Hand Total:")));
        QVERIFY(!client.contains(QStringLiteral("Rolls:")));
        QCOMPARE(CellName(Part<TScoreGrid>(w, "grdScore"), 2),
                 QStringLiteral("3, free")); // no hint before a roll
        // The score names its line; the label, read with it, would say it twice.
        QCOMPARE(Iface(Part<TScoreGrid>(w, "grdScore"))
                     ->tableInterface()
                     ->cellAt(2, kLabelCol)
                     ->text(QAccessible::Name),
                 QString());

        Part<QPushButton>(w, "btnBrasser")->click(); // 3 2 3 1 5
        QTest::keyClick(&w, Qt::Key_F2);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(Iface(dice[i])->text(QAccessible::Name),
                     QStringLiteral("Die %1, %2").arg(i + 1).arg(dice[i]->DiceValue()));
            QCOMPARE(Iface(dice[i])->state().checked, i == 1);
        }
        QCOMPARE(Iface(Part<QLabel>(w, "lblTotalCount"))->text(QAccessible::Name),
                 QStringLiteral("Hand Total: 14"));
        QCOMPARE(Iface(Part<QLabel>(w, "lblShuffleCount"))->text(QAccessible::Name),
                 QStringLiteral("Rolls: 1"));
        QCOMPARE(ChildNames(Part<QGroupBox>(w, "pnlJuboHand")).count(QStringLiteral("Held")), 1);
        QCOMPARE(CellName(Part<TScoreGrid>(w, "grdScore"), 2),
                 QStringLiteral("3, free, would score 6"));
        QCOMPARE(CellName(Part<TScoreGrid>(w, "grdScore"), rowJubo),
                 QStringLiteral("Tolmir, free, would score 0"));
        QCOMPARE(CellName(Part<TScoreGrid>(w, "grdScore"), rowSubTotal),
                 QStringLiteral("Sub-Total, 0"));

        QTest::keyClick(&w, Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(CellName(Part<TScoreGrid>(w, "grdScore"), 2), QStringLiteral("3, 6"));
        QCOMPARE(CellName(Part<TScoreGrid>(w, "grdScore"), 0), QStringLiteral("1, free"));
        QCOMPARE(CellName(Part<TScoreGrid>(w, "grdScore"), rowTotal), QStringLiteral("Total, 6"));
    }

    void eachActionSendsItsEvents() {
        Rig rig;
        TfrmMain& w = rig.w;
        Part<QPushButton>(w, "btnBrasser")->click();
        rig.Settle();
        const TRecorded* named = Find(Part<TVHDice>(w, "dice2"), QAccessible::NameChanged);
        QVERIFY(named != nullptr);
        QCOMPARE(named->Name, QStringLiteral("Die 2, 2"));
        const bool hinted = std::any_of(GEvents.begin(), GEvents.end(), [](const TRecorded& e) {
            return e.Type == QAccessible::NameChanged && e.Name == "3, free, would score 6";
        });
        QVERIFY(hinted);
        QCOMPARE(rig.Announced(), QStringList{QStringLiteral("Roll 1: 3 2 3 1 5, total 14")});

        QTest::keyClick(&w, Qt::Key_F2);
        const TRecorded* checked = Find(Part<TVHDice>(w, "dice2"), QAccessible::StateChanged);
        QVERIFY(checked != nullptr);
        QVERIFY(checked->Checked);
        QCOMPARE(rig.Announced(), QStringList{QStringLiteral("Die 2, 2, held")});

        QTest::keyClick(&w, Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(rig.Announced(), QStringList{QStringLiteral("3: 6 written. Total 6")});
        QCOMPARE(rig.Announcer()->LastAnnouncement(), QStringLiteral("3: 6 written. Total 6"));

        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rig.Announced(),
                 QStringList{
                     QStringLiteral("3: 6 undone. Total 0. Roll 1: 3 2 3 1 5, total 14; held 2")});

        // Keys that change nothing say so.
        QTest::keyClick(&w, Qt::Key_F3, Qt::ControlModifier);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        rig.Announced();
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rig.Announced(), QStringList{QStringLiteral("Nothing to undo")});
        Part<QPushButton>(w, "btnBrasser")->click();
        QTest::keyClick(&w, Qt::Key_F3, Qt::ControlModifier);
        Part<QPushButton>(w, "btnBrasser")->click();
        rig.Announced();
        QTest::keyClick(&w, Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(rig.Announced(), QStringList{QStringLiteral("3 is already written")});
        // A roll names the dice that stayed held, left to right.
        QTest::keyClick(&w, Qt::Key_F1);
        QTest::keyClick(&w, Qt::Key_F4);
        rig.Announced();
        Part<QPushButton>(w, "btnBrasser")->click();
        QVERIFY(rig.Announced().constFirst().endsWith(
            QStringLiteral("; held %1 %2")
                .arg(Part<TVHDice>(w, "dice1")->DiceValue())
                .arg(Part<TVHDice>(w, "dice4")->DiceValue())));
        QVERIFY(rig.errors.Texts().empty());
    }

    // Announcements wait for the fanfare, which blocks the window, and those of
    // one moment each keep a notification of their own, so that a reader that
    // reads names late still reads each.
    void announcementsWaitForTheSoundAndKeepTheirOwnVoice() {
        Rig rig;
        TfrmMain& w = rig.w;
        // A clock whose first roll is five of a kind.
        int ms = 0;
        for (bool same = false; !same; ++ms) {
            SetRandSeed(static_cast<std::uint32_t>(ms));
            const int first = RandomDieValue();
            same = true;
            for (int i = 0; i < 4; ++i) {
                same = RandomDieValue() == first && same;
            }
        }
        --ms;
        rig.clock.time = {ms / 3'600'000, ms / 60'000 % 60, ms / 1000 % 60, ms % 1000};
        QStringList sentDuringSounds;
        rig.sound.OnPlay = [&](const std::string& AName) {
            sentDuringSounds << QString::fromStdString(AName);
            for (const TRecorded& e : GEvents) {
                if (rig.IsVoice(e.Object)) {
                    sentDuringSounds << e.Name; // must not happen
                }
            }
        };
        Part<QPushButton>(w, "btnBrasser")->click();
        QCOMPARE(sentDuringSounds, (QStringList{"DiceRoll", "Tada"}));
        const int value = Part<TVHDice>(w, "dice1")->DiceValue();
        const QString roll =
            QStringLiteral("Roll 1: %1 %1 %1 %1 %1, total %2").arg(value).arg(5 * value);
        QCOMPARE(rig.Announced(), QStringList{roll});

        rig.sound.OnPlay = {};
        QTest::keyClick(&w, Qt::Key_J, Qt::ControlModifier);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&w, Qt::Key_J, Qt::ControlModifier);
        // One action's announcements go out as one; the voices take turns.
        const QString written = QStringLiteral("Tolmir: %1 written. Total %1")
                                    .arg(QString::fromStdString(
                                        Part<TScoreGrid>(w, "grdScore")->Cell(kScoreCol, rowJubo)));
        QCOMPARE(rig.Announced(),
                 QStringList{written + ". Tolmir: " +
                             Part<TScoreGrid>(w, "grdScore")->Cell(kScoreCol, rowJubo).c_str() +
                             " undone. Total 0. " + roll + ". " + written});
        QSet<QObject*> voices;
        for (int i = 0; i < TAnnouncer::kVoiceCount + 1; ++i) {
            QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
            rig.Settle();
            const auto shown =
                std::find_if(GEvents.begin(), GEvents.end(), [&](const TRecorded& e) {
                    return rig.IsVoice(e.Object) && e.Type == QAccessible::ObjectShow;
                });
            QVERIFY(shown != GEvents.end());
            voices.insert(shown->Object);
            GEvents.clear();
        }
        QCOMPARE(voices.size(), TAnnouncer::kVoiceCount);
    }

    // The sheet from its own focus: a current line that the arrows move and the
    // reader reads, Enter that writes it as a click does; drawn only with focus.
    void sheetIsPlayedFromItsOwnFocus() {
        Rig rig;
        TfrmMain& w = rig.w;
        TScoreGrid* sheet = Part<TScoreGrid>(w, "grdScore");
        QTest::mouseClick(sheet->viewport(), Qt::LeftButton, {}, QPoint(91, 62));
        QCOMPARE(rig.errors.Texts(),
                 std::vector<std::string>{"You have to shuffle at least once!"});
        QVERIFY(!sheet->hasFocus()); // a click never focuses it
        rig.errors.Clear();

        Part<QPushButton>(w, "btnBrasser")->click(); // 3 2 3 1 5
        Part<QPushButton>(w, "btnBrasser")->setFocus();
        GEvents.clear();
        QTest::keyClick(Part<QPushButton>(w, "btnBrasser"), Qt::Key_Tab);
        QVERIFY(sheet->hasFocus());
        QCoreApplication::processEvents(); // the line is read after the table
        QCOMPARE(rig.Focused(), (QStringList{"Score sheet", "1, free, would score 1"}));
        QTest::keyClick(sheet, Qt::Key_Down);
        QTest::keyClick(sheet, Qt::Key_Down);
        QTest::keyClick(sheet, Qt::Key_End);
        QTest::keyClick(sheet, Qt::Key_Down); // stays on the last line
        QTest::keyClick(sheet, Qt::Key_Home);
        QTest::keyClick(sheet, Qt::Key_Up); // stays on the first
        // At an edge the line is read again.
        QCOMPARE(rig.Focused(),
                 (QStringList{"2, free, would score 2", "3, free, would score 6", "Total, 0",
                              "Total, 0", "1, free, would score 1", "1, free, would score 1"}));
        QCOMPARE(sheet->CurrentLine(), 0);
        QTest::keyClick(sheet, Qt::Key_End);
        rig.Announced();
        QTest::keyClick(sheet, Qt::Key_Return); // a sum: nothing to write, and it says so
        QCOMPARE(rig.Announced(), QStringList{QStringLiteral("Total is counted, not written")});
        QTest::keyClick(sheet, Qt::Key_Home);

        QTest::keyClick(sheet, Qt::Key_Down);
        QTest::keyClick(sheet, Qt::Key_Down);
        rig.Announced();
        QTest::keyClick(sheet, Qt::Key_Return);
        QCOMPARE(rig.Announced(), QStringList{QStringLiteral("3: 6 written. Total 6")});
        QVERIFY(sheet->hasFocus());
        QTest::keyClick(sheet, Qt::Key_Space); // before the roll: refused as a click is
        QCOMPARE(rig.errors.Texts(),
                 std::vector<std::string>{"You have to shuffle at least once!"});
        Part<QPushButton>(w, "btnBrasser")->click();
        rig.Announced();
        QTest::keyClick(sheet, Qt::Key_Enter);
        QCOMPARE(rig.Announced(), QStringList{QStringLiteral("3 is already written")});
        QCOMPARE(w.Session().FilledLines(), 1);

        // The mark of the current line goes with the focus; the mouse's look stays.
        const QImage focused = sheet->grab().toImage();
        Part<QPushButton>(w, "btnBrasser")->setFocus();
        QVERIFY(!sheet->hasFocus());
        const QImage left = sheet->grab().toImage();
        QVERIFY(focused != left);
        QTest::keyClick(Part<QPushButton>(w, "btnBrasser"), Qt::Key_Tab);
        QCOMPARE(sheet->grab().toImage(), focused);
    }

    // Alt alone and F10 put the keyboard on the menu bar without opening a menu.
    void menuBarByAltAndF10() {
        Rig rig;
        TfrmMain& w = rig.w;
        QMenuBar* bar = w.menuBar();
        QTest::keyClick(Part<QPushButton>(w, "btnBrasser"), Qt::Key_F10);
        QTRY_COMPARE(bar->activeAction(), Part<QMenu>(w, "mniFichier")->menuAction());
        QVERIFY(!Part<QMenu>(w, "mniFichier")->isVisible());
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(bar->activeAction(), Part<QMenu>(w, "jeu")->menuAction());
        QTest::keyClick(bar, Qt::Key_Escape);
        QCOMPARE(bar->activeAction(), nullptr);
        QVERIFY(Part<QPushButton>(w, "btnBrasser")->hasFocus());

        QTest::keyPress(Part<QPushButton>(w, "btnBrasser"), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(Part<QPushButton>(w, "btnBrasser"), Qt::Key_Alt, Qt::NoModifier);
        QCOMPARE(bar->activeAction(), Part<QMenu>(w, "mniFichier")->menuAction());
        QTest::keyClick(bar, Qt::Key_Return);
        QTRY_VERIFY(Part<QMenu>(w, "mniFichier")->isVisible());
        QCOMPARE(Part<QMenu>(w, "mniFichier")->title(), QStringLiteral("File"));
        QTest::keyClick(Part<QMenu>(w, "mniFichier"), Qt::Key_Escape);
        QTest::keyClick(bar, Qt::Key_Escape);
        QTRY_VERIFY(!Part<QMenu>(w, "mniFichier")->isVisible());
    }

    // Alt+R rolls at once, so a write key pressed right after it writes the new
    // hand instead of being refused before the roll.
    void rollKeyActsInTheOrderOfTheKeys() {
        Rig rig;
        TfrmMain& w = rig.w;
        QTest::keyClick(&w, Qt::Key_R, Qt::AltModifier);
        QCOMPARE(w.Session().RollCount(), 1);
        QTest::keyClick(&w, Qt::Key_F3, Qt::ControlModifier);
        QVERIFY(rig.errors.Texts().empty());
        QCOMPARE(Part<TScoreGrid>(w, "grdScore")->Cell(kScoreCol, 2), std::string("6"));
    }

    // Alt pressed, R, Alt released, through the window system, the release
    // while the roll's sound plays on a real device: the window answers
    // meanwhile (a timer fires), the roll happens once and the menu bar is
    // not left with the keyboard.
    void altRollDuringTheSoundLeavesTheMenuBarAlone() {
        Rig rig;
        TfrmMain& w = rig.w;
        QWindow* window = w.windowHandle();
        TAnsweringSoundPlayer device;
        QStringList played;
        bool answered = false;
        rig.sound.OnPlay = [&](const std::string& AName) {
            QTimer::singleShot(50, [&] {
                answered = true;
                QWindowSystemInterface::handleKeyEvent(window, QEvent::KeyRelease, Qt::Key_R,
                                                       Qt::AltModifier);
                QWindowSystemInterface::handleKeyEvent(window, QEvent::KeyRelease, Qt::Key_Alt,
                                                       Qt::NoModifier);
            });
            device.PlayWaveResource(AName);
            played << QString::fromStdString(AName) + (answered ? "" : " (deaf)");
        };
        using TSync = QWindowSystemInterface::SynchronousDelivery;
        QWindowSystemInterface::handleKeyEvent<TSync>(window, QEvent::KeyPress, Qt::Key_Alt,
                                                      Qt::AltModifier);
        QWindowSystemInterface::handleKeyEvent<TSync>(window, QEvent::KeyPress, Qt::Key_R,
                                                      Qt::AltModifier);
        QCOMPARE(played, QStringList{QStringLiteral("DiceRoll")});
        QCoreApplication::processEvents(); // the keys released during the sound
        QCOMPARE(w.Session().RollCount(), 1);
        QCOMPARE(w.menuBar()->activeAction(), nullptr);
        QVERIFY(Part<QPushButton>(w, "btnBrasser")->hasFocus());
        QVERIFY(rig.errors.Texts().empty());
    }

    void pressingADieIsAClick() {
        Rig rig;
        QAccessibleActionInterface* die = Iface(Part<TVHDice>(rig.w, "dice4"))->actionInterface();
        QVERIFY(die->actionNames().contains(QAccessibleActionInterface::pressAction()));
        die->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(rig.errors.Texts(),
                 std::vector<std::string>{"You have to shuffle at least once!"});
        QVERIFY(!Part<TVHDice>(rig.w, "dice4")->Held());
        Part<QPushButton>(rig.w, "btnBrasser")->click();
        rig.Announced();
        die->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(Part<TVHDice>(rig.w, "dice4")->Held());
        QCOMPARE(rig.Announced(), QStringList{QStringLiteral("Die 4, 1, held")});
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
