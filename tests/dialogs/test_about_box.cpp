// The About box: layout, the file date text, closing keys, the focus and the
// maker's notice.

#include "dialogs/uAboutBox.h"
#include "platform/Application.h"
#include "platform/OpenUrl.h"
#include "tests/support/ErrorBoxGuard.h"
#include "tests/support/ModalHelper.h"

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// Receives the addresses that the desktop would have opened.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> Urls;

public slots:
    void open(const QUrl& AUrl) { Urls.append(AUrl); }
};

class TestAboutBox : public QObject {
    Q_OBJECT

    TErrorBoxGuard FErrorBoxes; // a box is a failure, reported at once

private slots:
    void initTestCase() {
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void dateText_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("expected");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale de(QLocale::German, QLocale::Germany);
        const QDate day(2026, 3, 14);
        QTest::newRow("afternoon")
            << us << QDateTime(day, QTime(15, 4, 5)) << QStringLiteral("3/14/26 3:04:05 PM");
        QTest::newRow("midnight") << us << QDateTime(day, QTime(0, 0)) << QStringLiteral("3/14/26");
        QTest::newRow("midnight and a fraction of a second")
            << us << QDateTime(day, QTime(0, 0, 0, 999)) << QStringLiteral("3/14/26");
        QTest::newRow("one second past midnight")
            << us << QDateTime(day, QTime(0, 0, 1)) << QStringLiteral("3/14/26 12:00:01 AM");
        QTest::newRow("German") << de << QDateTime(day, QTime(9, 30, 0))
                                << QStringLiteral("14.03.26 09:30:00");
        QTest::newRow("invalid") << us << QDateTime() << QString();
    }

    void dateText() {
        QFETCH(QLocale, locale);
        QFETCH(QDateTime, when);
        QFETCH(QString, expected);
        QLocale::setDefault(locale);
        const QString text = FileDateTimeText(when);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(text, expected);
    }

    void dateOfAFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tolmir"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.setFileTime(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 58)),
                                 QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(FileModifiedText(path), QStringLiteral("12/31/25 11:59:58 PM"));
        QCOMPARE(FileModifiedText(dir.filePath(QStringLiteral("missing"))), QString());
    }

    void closingKeys_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("Escape") << Qt::Key_Escape << int(mrCancel);
        QTest::newRow("Enter") << Qt::Key_Return << int(mrOk);
    }

    void closingKeys() {
        QFETCH(Qt::Key, key);
        QFETCH(int, result);
        int hints = 0;
        Application::SetScoreHintsHandler([&hints] { ++hints; });
        {
            TfrmAboutBox box;
            AnswerNextModal([key](QWidget* AModal) { QTest::keyClick(KeyTarget(AModal), key); });
            box.exec();
            QCOMPARE(int(box.ModalResult()), result);
        }
        Application::SetScoreHintsHandler({});
        QCOMPARE(hints, 1);
    }

    // Only Ok takes the focus; the unseen Help opens nothing, even by its
    // mnemonic; a screen reader hears the product and version first.
    void onlyOkTakesTheFocus() {
        int helpRequests = 0;
        Application::SetHelpHandler([&helpRequests](int) { ++helpRequests; });
        TfrmAboutBox box;
        QWidget* focused = nullptr;
        AnswerNextModal([&](QWidget* AModal) {
            QTest::keyClick(KeyTarget(AModal), Qt::Key_Tab);
            QTest::keyClick(KeyTarget(AModal), Qt::Key_Tab);
            focused = QApplication::focusWidget();
            QTest::keyClick(KeyTarget(AModal), Qt::Key_H, Qt::AltModifier);
        });
        box.exec();
        Application::SetHelpHandler({});
        QCOMPARE(focused, box.btnOk);
        QCOMPARE(helpRequests, 0);
        QCOMPARE(box.accessibleName(), QStringLiteral("About Tolmir, Version 1.0"));
    }

    void makerNoticeOpensHomePage() {
        UrlRecorder recorder;
        const QUrl home = QUrl::fromUserInput(HomePageUrl);
        QDesktopServices::setUrlHandler(home.scheme(), &recorder, "open");
        TfrmAboutBox box;
        bool stayedOpen = false;
        AnswerNextModal([&](QWidget* AModal) {
            QTest::mouseClick(box.lblMakerNotice, Qt::LeftButton);
            // A double click as widgets receive it opens the page once: its
            // second press arrives as a double-click event and is no click.
            QTest::mouseClick(box.lblMakerNotice, Qt::LeftButton);
            const QPoint at = box.lblMakerNotice->rect().center();
            QMouseEvent second(QEvent::MouseButtonDblClick, at, box.lblMakerNotice->mapToGlobal(at),
                               Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(box.lblMakerNotice, &second);
            QTest::mouseRelease(box.lblMakerNotice, Qt::LeftButton, {}, at);
            stayedOpen = AModal->isVisible();
            box.btnOk->click();
        });
        box.exec();
        QDesktopServices::unsetUrlHandler(home.scheme());
        QVERIFY(stayedOpen);
        QCOMPARE(recorder.Urls, (QList<QUrl>{home, home}));
    }

    // The offscreen platform opens no address, as a desktop without a browser:
    // the address is said over the About box, for the player to open elsewhere.
    void aHomePageThatCannotBeOpenedIsSaid() {
        TfrmAboutBox box;
        QString said;
        const QWidget* owner = nullptr;
        AnswerNextModal([&](QWidget*) {
            AnswerNextModal([&](QWidget* AInformation) {
                if (const auto* information = qobject_cast<QMessageBox*>(AInformation)) {
                    said = information->text();
                    owner = information->parentWidget();
                }
            });
            QTest::mouseClick(box.lblMakerNotice, Qt::LeftButton);
            box.btnOk->click();
        });
        box.exec();
        QVERIFY2(said.contains(QUrl::fromUserInput(HomePageUrl).toString()), qPrintable(said));
        QCOMPARE(owner, &box);
    }
};

QTEST_MAIN(TestAboutBox)
#include "test_about_box.moc"
