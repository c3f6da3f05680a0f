// The main window as a screen reader sees it, through Qt's accessibility
// interfaces: the dice, the counters, the sheet's free lines, and the events
// sent after a roll, a hold, a write and an undo.

#include "../game/SessionFakes.h"

#include "Accessibility.h"
#include "Application.h"
#include "ScoreGrid.h"
#include "VHDice.h"
#include "uMain.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtGui/private/qguiapplication_p.h>
#include <QtTest>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>

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
    // The window with fake questions, sound and a clock that rolls 3 2 3 1 5.
    struct Rig {
        EventLog log;
        FakePrompter prompter{log};
        FakeSound sound{log};
        FakeClock clock;
        std::vector<std::string> errors;
        TfrmMain w{TfrmMainServices{&prompter, &sound, &clock}};

        Rig() {
            Application::SetExceptionHandler([this](const std::exception_ptr& e) {
                errors.push_back(Application::ExceptionText(e));
            });
            w.show();
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            GEvents.clear();
        }
        ~Rig() { Application::SetExceptionHandler({}); }
        TAnnouncer* Announcer() { return w.findChild<TAnnouncer*>(QStringLiteral("announcer")); }
        // The announcements sent since the last call: the notification's name
        // changes, each followed by its showing.
        QStringList Announced() {
            QStringList said;
            for (std::size_t i = 0; i + 1 < GEvents.size(); ++i) {
                if (GEvents[i].Object == Announcer() &&
                    GEvents[i].Type == QAccessible::NameChanged &&
                    GEvents[i + 1].Type == QAccessible::ObjectShow) {
                    said << GEvents[i].Name;
                }
            }
            GEvents.clear();
            return said;
        }
    };

    QTemporaryDir FHome;

private slots:
    void initTestCase() {
        QVERIFY(FHome.isValid());
        qputenv("XDG_CONFIG_HOME", FHome.path().toLocal8Bit());
        QAccessible::installUpdateHandler(&Record);
        // Events reach the handler only while accessibility is on, as a screen
        // reader turns it on; the headless platform has no reader to do so.
        QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform != nullptr);
        platform->setActive(true);
        QVERIFY(QAccessible::isActive());
    }

    void treeFollowsTheGame() {
        Rig rig;
        TfrmMain& w = rig.w;
        const std::vector<TVHDice*> dice = w.AllDice();
        QAccessibleInterface* first = Iface(dice[0]);
        QCOMPARE(first->role(), QAccessible::CheckBox);
        QCOMPARE(first->text(QAccessible::Description), QStringLiteral("Press F1 to hold/unhold"));
        QVERIFY(first->state().checkable);
        QCOMPARE(Iface(rig.Announcer())->role(), QAccessible::Notification);
        QVERIFY(!ChildNames(w.pnlJuboHand).contains(QStringLiteral("Held")));
        const QStringList client = ChildNames(w.centralWidget());
        QVERIFY(client.contains(QStringLiteral("Rolls: 0")));
        QVERIFY(!client.contains(QStringLiteral("Hand Total:")));
        QVERIFY(!client.contains(QStringLiteral("Rolls:")));
        QCOMPARE(CellName(w.grdScore, 2), QStringLiteral("3, free")); // no hint before a roll

        w.btnBrasser->click(); // 3 2 3 1 5
        QTest::keyClick(&w, Qt::Key_F2);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(Iface(dice[i])->text(QAccessible::Name),
                     QStringLiteral("Die %1, %2").arg(i + 1).arg(dice[i]->DiceValue()));
            QCOMPARE(Iface(dice[i])->state().checked, i == 1);
        }
        QCOMPARE(Iface(w.lblTotalCount)->text(QAccessible::Name), QStringLiteral("Hand Total: 14"));
        QCOMPARE(Iface(w.lblShuffleCount)->text(QAccessible::Name), QStringLiteral("Rolls: 1"));
        QCOMPARE(ChildNames(w.pnlJuboHand).count(QStringLiteral("Held")), 1);
        QCOMPARE(CellName(w.grdScore, 2), QStringLiteral("3, free, would score 6"));
        QCOMPARE(CellName(w.grdScore, rowJubo), QStringLiteral("Tolmir, free, would score 0"));
        QCOMPARE(CellName(w.grdScore, rowSubTotal), QStringLiteral("0")); // read by its text

        QTest::keyClick(&w, Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(CellName(w.grdScore, 2), QStringLiteral("6"));
        QCOMPARE(CellName(w.grdScore, 0), QStringLiteral("1, free"));
    }

    void eachActionSendsItsEvents() {
        Rig rig;
        TfrmMain& w = rig.w;
        w.btnBrasser->click();
        const TRecorded* named = Find(w.dice2, QAccessible::NameChanged);
        QVERIFY(named != nullptr);
        QCOMPARE(named->Name, QStringLiteral("Die 2, 2"));
        const bool hinted = std::any_of(GEvents.begin(), GEvents.end(), [](const TRecorded& e) {
            return e.Type == QAccessible::NameChanged && e.Name == "3, free, would score 6";
        });
        QVERIFY(hinted);
        QCOMPARE(rig.Announced(), QStringList{QStringLiteral("Roll 1: 3 2 3 1 5")});

        QTest::keyClick(&w, Qt::Key_F2);
        const TRecorded* checked = Find(w.dice2, QAccessible::StateChanged);
        QVERIFY(checked != nullptr);
        QVERIFY(checked->Checked);
        QCOMPARE(rig.Announced(), QStringList{QStringLiteral("Die 2, 2, held")});

        QTest::keyClick(&w, Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(rig.Announced(), QStringList{QStringLiteral("3: 6 written. Total 6")});
        QCOMPARE(Iface(rig.Announcer())->text(QAccessible::Name),
                 QStringLiteral("3: 6 written. Total 6"));

        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rig.Announced(),
                 QStringList{QStringLiteral("3: 6 undone. Total 0. Roll 1: 3 2 3 1 5")});
    }

    void pressingADieIsAClick() {
        Rig rig;
        QAccessibleActionInterface* die = Iface(rig.w.dice4)->actionInterface();
        QVERIFY(die->actionNames().contains(QAccessibleActionInterface::pressAction()));
        die->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(rig.errors, std::vector<std::string>{"You have to shuffle at least once!"});
        QVERIFY(!rig.w.dice4->Held());
        rig.w.btnBrasser->click();
        GEvents.clear();
        die->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(rig.w.dice4->Held());
        QCOMPARE(rig.Announced(), QStringList{QStringLiteral("Die 4, 1, held")});
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
