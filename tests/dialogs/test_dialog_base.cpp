// The dialog base and the name prompt: layout, results, help and the score-hint
// request on destruction.

#include "dialogs/uDialogAncestor.h"
#include "dialogs/uInputQuery.h"
#include "dialogs/uReviewGame.h"
#include "platform/Application.h"
#include "tests/support/ErrorBoxGuard.h"
#include "tests/support/ModalHelper.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <vector>

class TestDialogBase : public QObject {
    Q_OBJECT

    TErrorBoxGuard FErrorBoxes; // a box is a failure, reported at once

private:
    std::vector<int> FHelp;
    int FHintRequests = 0;

    // Shows ADialog modally, lets AAnswer act on it, and returns exec()'s
    // result together with the dialog's own modal result.
    static std::pair<int, int> Run(TfrmDialogAncestor& ADialog,
                                   std::function<void(QWidget*)> AAnswer) {
        AnswerNextModal(std::move(AAnswer));
        const int code = ADialog.exec();
        return {code, ADialog.ModalResult()};
    }

    static void PressKey(QWidget* AWindow, Qt::Key AKey) {
        QTest::keyClick(KeyTarget(AWindow), AKey);
    }

private slots:
    void initTestCase() {
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
        Application::SetHelpHandler([this](int AContext) { FHelp.push_back(AContext); });
        Application::SetScoreHintsHandler([this] { ++FHintRequests; });
    }

    void init() {
        FHelp.clear();
        FHintRequests = 0;
    }

    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void centredOverOwner() {
        QWidget owner;
        owner.setGeometry(100, 80, 600, 500);
        owner.show();
        QPoint centre;
        Run(*new TfrmDialogAncestor(&owner),
            [&](QWidget* AModal) { centre = AModal->frameGeometry().center(); });
        QCOMPARE(centre, owner.frameGeometry().center());
    }

    void results_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("result");
        QTest::newRow("Ok button") << "ok" << int(QDialog::Accepted) << int(mrOk);
        QTest::newRow("Enter") << "enter" << int(QDialog::Accepted) << int(mrOk);
        QTest::newRow("Cancel button") << "cancel" << int(QDialog::Rejected) << int(mrCancel);
        QTest::newRow("Escape") << "escape" << int(QDialog::Rejected) << int(mrCancel);
        QTest::newRow("close box") << "close" << int(QDialog::Rejected) << int(mrCancel);
        QTest::newRow("Enter on focused Cancel")
            << "enter-cancel" << int(QDialog::Rejected) << int(mrCancel);
    }

    void results() {
        QFETCH(QString, action);
        QFETCH(int, code);
        QFETCH(int, result);
        TfrmDialogAncestor dialog;
        const auto got = Run(dialog, [&](QWidget* AModal) {
            if (action == "ok") {
                dialog.btnOk->click();
            } else if (action == "enter") {
                PressKey(AModal, Qt::Key_Return);
            } else if (action == "cancel") {
                dialog.btnCancel->click();
            } else if (action == "escape") {
                PressKey(AModal, Qt::Key_Escape);
            } else if (action == "close") {
                AModal->close();
            } else if (action == "enter-cancel") {
                dialog.btnCancel->setFocus();
                PressKey(AModal, Qt::Key_Enter);
            }
        });
        QCOMPARE(got.first, code);
        QCOMPARE(got.second, result);
        QVERIFY(FHelp.empty());
    }

    // Enter on the focused Help button opens help and leaves the dialog open;
    // the same dialog can be shown again afterwards.
    void enterOnHelpAndRepeatedShowing() {
        TfrmDialogAncestor dialog;
        dialog.SetHelpContext(300);
        bool stayedOpen = false;
        const auto first = Run(dialog, [&](QWidget* AModal) {
            dialog.btnHelp->setFocus();
            PressKey(AModal, Qt::Key_Return);
            stayedOpen = AModal->isVisible();
            dialog.btnOk->click();
        });
        QVERIFY(stayedOpen);
        QCOMPARE(FHelp, std::vector<int>{300});
        QCOMPARE(first.second, int(mrOk));
        const auto second = Run(dialog, [&](QWidget* AModal) { AModal->close(); });
        QCOMPARE(second.second, int(mrCancel));
    }

    void escapeWithHiddenCancel() {
        TfrmDialogAncestor dialog;
        dialog.btnCancel->hide();
        bool stayedOpen = false;
        const auto got = Run(dialog, [&](QWidget* AModal) {
            PressKey(AModal, Qt::Key_Escape);
            stayedOpen = AModal->isVisible();
            AModal->close();
        });
        QVERIFY(stayedOpen);
        QCOMPARE(got.first, int(QDialog::Rejected));
        QCOMPARE(got.second, int(mrCancel));
    }

    // The game's review has nothing to cancel, yet Escape closes it, as Ok does.
    void escapeClosesTheReview() {
        TfrmReviewGame review(nullptr, TGameReview{});
        const auto got = Run(review, [&](QWidget* AModal) { PressKey(AModal, Qt::Key_Escape); });
        QCOMPARE(got.second, int(mrOk));
    }

    // F1 opens the focused control's context, else the nearest one outward,
    // else nothing; the Help button always opens the form's.
    void helpContexts() {
        TfrmDialogAncestor dialog;
        auto* group = new QGroupBox(&dialog);
        auto* ownContext = new QCheckBox(group);
        auto* inherits = new QCheckBox(group);
        auto* direct = new QCheckBox(&dialog);
        SetHelpContext(ownContext, 250);
        SetHelpContext(group, 205);
        SetHelpContext(dialog.btnOk, 235);
        Run(dialog, [&](QWidget* AModal) {
            const std::vector<QWidget*> targets{ownContext, inherits, dialog.btnOk, direct};
            for (QWidget* target : targets) {
                target->setFocus();
                PressKey(AModal, Qt::Key_F1);
            }
            dialog.SetHelpContext(200);
            direct->setFocus();
            PressKey(AModal, Qt::Key_F1);
            dialog.btnHelp->click();
            dialog.btnOk->click();
        });
        QCOMPARE(FHelp, (std::vector<int>{250, 205, 235, 200, 200}));
    }

    void scoreHintsOncePerDestroyedDialog() {
        auto* shown = new TfrmDialogAncestor;
        Run(*shown, [](QWidget* AModal) { AModal->close(); });
        QCOMPARE(FHintRequests, 0);
        delete shown;
        QCOMPARE(FHintRequests, 1);

        // Dialogs destroyed with their owner ask once each.
        auto* owner = new QWidget;
        new TfrmDialogAncestor(owner);
        new TfrmDialogAncestor(owner);
        QCOMPARE(FHintRequests, 1);
        delete owner;
        QCOMPARE(FHintRequests, 3);
    }

    // The prompt opens with the caption rule applied, the value selected in the
    // focused field, and typing replaces it.
    void promptOpensWithValueSelected_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("expectedCaption");
        QTest::newRow("no caption") << QString() << QStringLiteral("Tolmir");
        QTest::newRow("own caption") << QStringLiteral("Name") << QStringLiteral("Name");
    }

    void promptOpensWithValueSelected() {
        QFETCH(QString, caption);
        QFETCH(QString, expectedCaption);
        QString seenCaption, seenPrompt, seenSelection, spokenField, spokenNote;
        bool fieldFocused = false;
        AnswerNextModal([&](QWidget* AModal) {
            auto* prompt = qobject_cast<TfrmInputQuery*>(AModal);
            QVERIFY(prompt != nullptr);
            seenCaption = prompt->windowTitle();
            seenPrompt = prompt->Label1->text();
            seenSelection = prompt->Edit1->selectedText();
            fieldFocused = QApplication::focusWidget() == prompt->Edit1;
            spokenField =
                QAccessible::queryAccessibleInterface(prompt->Edit1)->text(QAccessible::Name);
            spokenNote = QAccessible::queryAccessibleInterface(prompt->Edit1)
                             ->text(QAccessible::Description);
            QTest::keyClicks(prompt->Edit1, QStringLiteral("Bo"));
            QTest::keyClick(prompt->Edit1, Qt::Key_Return);
        });
        QString name = QStringLiteral("Ann Lee");
        QVERIFY(ShowInputQuery(QStringLiteral("Player: "), name, caption,
                               QStringLiteral("New high score: 187")));
        QCOMPARE(seenCaption, expectedCaption);
        QCOMPARE(seenPrompt, QStringLiteral("Player: "));
        QCOMPARE(seenSelection, QStringLiteral("Ann Lee"));
        QVERIFY(fieldFocused);
        QCOMPARE(spokenField, QStringLiteral("Player: ")); // a screen reader names the field
        QCOMPARE(spokenNote, QStringLiteral("New high score: 187")); // and reads why it asks
        QCOMPARE(name, QStringLiteral("Bo"));
        QCOMPARE(FHintRequests, 1);
    }

    void promptResults_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QString>("expected");
        const QString odd = QStringLiteral("  O'Brien \"Zo\u00eb\" \u5c71\u7530 \u0416 ");
        QTest::newRow("Ok keeps the text as typed") << odd << "ok" << true << odd;
        QTest::newRow("empty name is an answer") << QString() << "ok" << true << QString();
        QTest::newRow("Cancel") << QStringLiteral("Zed") << "cancel" << false << "Ann";
        const QString longName = QString(40000, QLatin1Char('x')) + QStringLiteral("end");
        QTest::newRow("no length limit") << longName << "ok" << true << longName;
    }

    void promptResults() {
        QFETCH(QString, typed);
        QFETCH(QString, action);
        QFETCH(bool, confirmed);
        QFETCH(QString, expected);
        AnswerNextModal([&](QWidget* AModal) {
            auto* prompt = qobject_cast<TfrmInputQuery*>(AModal);
            QVERIFY(prompt != nullptr);
            prompt->Edit1->setText(typed);
            (action == "ok" ? prompt->btnOk : prompt->btnCancel)->click();
        });
        QString name = QStringLiteral("Ann");
        QCOMPARE(ShowInputQuery(QStringLiteral("Player: "), name, QString()), confirmed);
        QCOMPARE(name, expected);
        QCOMPARE(FHintRequests, 1);
    }
};

QTEST_MAIN(TestDialogBase)
#include "test_dialog_base.moc"
