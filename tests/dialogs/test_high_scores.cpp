// The high scores dialog: layout, focus, and that every closing stores the table.

#include "controls/VHListView.h"
#include "dialogs/uHighScores.h"
#include "platform/Application.h"
#include "tests/support/ErrorBoxGuard.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/PrivateRegistry.h"

#include <QAccessible>
#include <QPushButton>
#include <QtGui/private/qguiapplication_p.h>
#include <QtTest>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>

class TestHighScores : public QObject {
    Q_OBJECT

    TErrorBoxGuard FErrorBoxes; // a box is a failure, reported at once

private:
    std::unique_ptr<TPrivateRegistry> FRegistry;

    QString StoredText() const {
        return QString::fromStdString(FRegistry->Dump("Software\\Varnholt"));
    }

    // The rows a fresh list reads back from the registry, as "name|score" texts.
    static QStringList StoredRows() {
        TVHHighScoreListView list;
        list.SetRegKeyCompany("Varnholt");
        list.SetRegKeyAppName("Tolmir");
        list.LoadFromRegistry();
        QStringList rows;
        for (int i = 0; i < list.topLevelItemCount(); ++i) {
            rows << list.topLevelItem(i)->text(0) + QLatin1Char('|') +
                        list.topLevelItem(i)->text(1);
        }
        return rows;
    }

private slots:
    void initTestCase() {
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    }

    // Each test gets an empty registry of its own.
    void init() { FRegistry = std::make_unique<TPrivateRegistry>(); }

    void cleanup() {
        FRegistry.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void focusAndTabOrder() {
        TfrmHighScores form;
        // The list has the focus when the dialog opens; Tab goes on to Help, then Ok.
        QList<QWidget*> focused;
        AnswerNextModal([&](QWidget* AModal) {
            focused << QApplication::focusWidget();
            for (int i = 0; i < 2; ++i) {
                QTest::keyClick(KeyTarget(AModal), Qt::Key_Tab);
                focused << QApplication::focusWidget();
            }
            AModal->close();
        });
        form.exec();
        QCOMPARE(focused, (QList<QWidget*>{form.lvwHighScores, form.btnHelp, form.btnOk}));
    }

    // A new row is selected and current when the dialog opens: once the list has
    // the focus, a screen reader is told the row has it, and reads it.
    void newRowIsReadWhenTheListTakesTheFocus() {
        static QStringList focused;
        focused.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent* AEvent) {
            if (AEvent->type() == QAccessible::Focus && AEvent->accessibleInterface()) {
                focused << AEvent->accessibleInterface()->text(QAccessible::Name);
            }
        });
        // On, as a screen reader turns it on; the headless platform has none to do so.
        QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform != nullptr);
        platform->setActive(true);
        TfrmHighScores form;
        form.lvwHighScores->AddScore(150, QStringLiteral("Bea"));
        QTreeWidgetItem* row = form.lvwHighScores->AddScore(187, QStringLiteral("Ann"));
        form.lvwHighScores->setCurrentItem(row);
        row->setSelected(true);
        bool readTheRow = false;
        bool stillSelected = false;
        AnswerNextModal([&](QWidget* AModal) {
            QTRY_VERIFY(focused.contains(QStringLiteral("High scores")));
            QTRY_VERIFY(focused.lastIndexOf(QStringLiteral("Ann")) >
                        focused.lastIndexOf(QStringLiteral("High scores")));
            // The row's focus comes last, after the list's own.
            readTheRow = focused.lastIndexOf(QStringLiteral("Ann")) >
                         focused.lastIndexOf(QStringLiteral("High scores"));
            stillSelected = row->isSelected(); // the row is gone once the list reloads
            AModal->close();
        });
        form.exec();
        QAccessible::installUpdateHandler(nullptr);
        platform->setActive(false);
        QVERIFY2(readTheRow, qPrintable(focused.join(QLatin1Char('|'))));
        QVERIFY(stillSelected);
    }

    // Opening before any game shows an empty table; closing it writes nothing.
    void emptyTableWritesNothing() {
        TfrmHighScores form;
        AnswerNextModal([&](QWidget*) { form.btnOk->click(); });
        form.exec();
        QVERIFY(!FRegistry->StoresAnyValue());
    }

    void closingStoresTheTable_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Ok") << "ok";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("close box") << "close";
    }

    void closingStoresTheTable() {
        QFETCH(QString, how);
        TfrmHighScores form;
        form.lvwHighScores->AddScore(150, QStringLiteral("Ann"));
        form.lvwHighScores->AddScore(230, QString());
        bool escapeKeptItOpen = false;
        AnswerNextModal([&](QWidget* AModal) {
            // Escape does nothing while there is no Cancel button.
            QTest::keyClick(KeyTarget(AModal), Qt::Key_Escape);
            escapeKeptItOpen = AModal->isVisible();
            if (how == "ok") {
                form.btnOk->click();
            } else if (how == "enter") {
                QTest::keyClick(KeyTarget(AModal), Qt::Key_Return);
            } else {
                AModal->close();
            }
        });
        form.exec();
        QVERIFY(escapeKeptItOpen);
        QVERIFY(!form.isVisible());
        QCOMPARE(StoredRows(), (QStringList{QStringLiteral("|230"), QStringLiteral("Ann|150")}));
        QVERIFY(StoredText().contains(QStringLiteral("\"Name0\"=\"\"")));
    }

    // Another copy of the game stores a high score while the dialog is open:
    // closing keeps that row and shows the table as stored.
    void closingShowsTheTableAsStored() {
        TfrmHighScores form;
        form.lvwHighScores->AddScore(150, QStringLiteral("Ann"));
        AnswerNextModal([&](QWidget* AModal) {
            TVHHighScoreListView other;
            other.SetRegKeyCompany("Varnholt");
            other.SetRegKeyAppName("Tolmir");
            other.AddScore(200, QStringLiteral("Bo"));
            other.SaveToRegistry();
            AModal->close();
        });
        form.exec();
        const QStringList both{QStringLiteral("Bo|200"), QStringLiteral("Ann|150")};
        QCOMPARE(StoredRows(), both);
        QStringList shown;
        for (int i = 0; i < form.lvwHighScores->topLevelItemCount(); ++i)
            shown << form.lvwHighScores->topLevelItem(i)->text(0) + QLatin1Char('|') +
                         form.lvwHighScores->topLevelItem(i)->text(1);
        QCOMPARE(shown, both);
    }

    // The one dialog of the run is shown again and again; each closing stores
    // what the list holds then.
    void repeatedShowing() {
        TfrmHighScores form;
        for (int score : {120, 140}) {
            form.lvwHighScores->clear();
            form.lvwHighScores->LoadFromRegistry();
            form.lvwHighScores->AddScore(score, QStringLiteral("Bo"));
            AnswerNextModal([](QWidget* AModal) { AModal->close(); });
            form.exec();
        }
        QCOMPARE(StoredRows(), (QStringList{QStringLiteral("Bo|140"), QStringLiteral("Bo|120")}));
    }
};

QTEST_MAIN(TestHighScores)
#include "test_high_scores.moc"
