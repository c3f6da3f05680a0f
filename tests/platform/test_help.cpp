// The help file that ships with the game, its parser and the help window.

#include "platform/Application.h"
#include "platform/HelpFile.h"
#include "platform/HelpViewer.h"
#include "platform/OpenUrl.h"
#include "platform/SpokenNotice.h"
#include "platform/Translations.h"
#include "tests/support/ErrorBoxGuard.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextTable>
#include <QTimer>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The topic numbers the program opens.
const QList<int> kRequiredTopics = {5,   200, 205, 210, 215, 220, 235,
                                    240, 250, 255, 260, 300, 400, 500};

// The link targets ("#205") of a topic as the help window renders it.
QStringList LinkTargets(const QString& AMarkdown) {
    QTextDocument document;
    document.setMarkdown(AMarkdown);
    QStringList targets;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (!href.isEmpty()) {
                targets << href;
            }
        }
    }
    return targets;
}

// The middle of the first link to AHref in the browser, in viewport coordinates.
QPoint LinkPosition(QTextEdit* ABrowser, const QString& AHref) {
    QTextDocument* document = ABrowser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() == AHref) {
                QTextCursor cursor(document);
                cursor.setPosition(fragment.position() + fragment.length() / 2);
                return ABrowser->cursorRect(cursor).center();
            }
        }
    }
    return {-1, -1};
}

int HelpWindowCount() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += qobject_cast<THelpViewer*>(widget) != nullptr ? 1 : 0;
    }
    return count;
}

bool WriteFile(const QString& APath, const QByteArray& AText) {
    QFile file(APath);
    return file.open(QIODevice::WriteOnly) && file.write(AText) == AText.size();
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

    TErrorBoxGuard FErrorBoxes; // a box is a failure, reported at once
private slots:
    void shippedFileHasEveryTopicAndNoBrokenLink_data();
    void shippedFileHasEveryTopicAndNoBrokenLink();
    void parserReadsTopicsAndReportsMistakes();
    void missingFileAndTopicAreSaidInTheWindow();
    void requestsOpenAndReuseOneWindow();
    void linksBackAndContentsNavigate();
    void topicIsADocumentToWalkByKeys();
    void windowStaysUsableWhileADialogIsModal();
    void openUrlHandsTheAddressToTheDesktop();
    void cleanup();

public slots:
    void RecordUrl(const QUrl& AUrl) { FOpenedUrls << AUrl; }

private:
    QList<QUrl> FOpenedUrls;
};

void TestHelp::cleanup() {
    QCOMPARE(HelpWindowCount(), 0);
}

void TestHelp::shippedFileHasEveryTopicAndNoBrokenLink_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("en") << QStringLiteral(TOLMIR_HELP_FILE);
    for (const QString& language : ShippedLanguages()) {
        QTest::newRow(qPrintable(language))
            << QFileInfo(QStringLiteral(TOLMIR_HELP_FILE))
                   .dir()
                   .filePath(QStringLiteral("Tolmir_%1.hlp").arg(language));
    }
}

// English and every translation: the same topics, each link leading to one of them.
void TestHelp::shippedFileHasEveryTopicAndNoBrokenLink() {
    QFETCH(QString, path);
    const std::optional<THelpFile> file = LoadHelpFile(path);
    QVERIFY2(file.has_value(), qPrintable(path));
    QCOMPARE(file->Problems, QStringList());
    const std::optional<THelpFile> english = LoadHelpFile(QStringLiteral(TOLMIR_HELP_FILE));
    QVERIFY(english.has_value());
    QCOMPARE(file->Topics.size(), english->Topics.size());
    for (int number : kRequiredTopics) {
        const auto topic = file->Topics.find(number);
        QVERIFY2(topic != file->Topics.end(), qPrintable(QString::number(number)));
        QVERIFY(!topic->second.Title.isEmpty());
        QVERIFY(topic->second.Body.size() > 100);
    }
    for (const auto& [number, topic] : file->Topics) {
        for (const QString& target : LinkTargets(topic.Body)) {
            QVERIFY2(target.startsWith(QLatin1Char('#')) &&
                         file->Topics.contains(target.mid(1).toInt()),
                     qPrintable(QStringLiteral("topic %1 links to %2").arg(number).arg(target)));
        }
    }
    // The game options overview leads to the help of each of its controls.
    const QStringList optionLinks = LinkTargets(file->Topics.at(200).Body);
    for (const char* target :
         {"#205", "#210", "#215", "#220", "#235", "#240", "#250", "#255", "#260"}) {
        QVERIFY2(optionLinks.contains(QLatin1String(target)), target);
    }
}

void TestHelp::parserReadsTopicsAndReportsMistakes() {
    const QString text = QStringLiteral("A comment that is no topic\r\n"
                                        "#topic 7   Rolling   \r\n"
                                        "\r\n"
                                        "First line\r\n"
                                        "#topics is text, not a topic\r\n"
                                        "# A heading\r\n"
                                        "\r\n"
                                        "#topic 8\n"
                                        "No title\n"
                                        "#topic x Broken\n"
                                        "lost text\n"
                                        "#topic 7 Again\n"
                                        "also lost\n"
                                        "#topic 0 Zero\n"
                                        "#topic 9 Empty\n"
                                        "\n");
    const THelpFile file = ParseHelpText(text);

    QCOMPARE(file.Topics.size(), std::size_t{3});
    QCOMPARE(file.Topics.at(7).Title, QStringLiteral("Rolling"));
    QCOMPARE(file.Topics.at(7).Body,
             QStringLiteral("First line\n#topics is text, not a topic\n# A heading"));
    QCOMPARE(file.Topics.at(8).Title, QString());
    QCOMPARE(file.Topics.at(8).Body, QStringLiteral("No title"));
    QCOMPARE(file.Topics.at(9).Body, QString());
    QCOMPARE(file.Problems,
             QStringList({QStringLiteral("line 10: \"#topic\" needs a number above 0"),
                          QStringLiteral("line 12: topic 7 appears again and is ignored"),
                          QStringLiteral("line 14: \"#topic\" needs a number above 0"),
                          QStringLiteral("line 15: topic 9 has no text")}));

    QVERIFY(ParseHelpText(QString()).Topics.empty());
}

void TestHelp::missingFileAndTopicAreSaidInTheWindow() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Tolmir.hlp"));
    THelpSystem help(path);

    help.ShowContext(5);
    QVERIFY(help.Viewer()->isVisible());
    QString shown = help.Viewer()->Browser()->toPlainText();
    QVERIFY2(shown.contains(QStringLiteral("could not be read")) && shown.contains(path),
             qPrintable(shown));

    // The file is read again for every request, so a file that appears is used.
    QVERIFY(WriteFile(path, "#topic 5 Playing\nRoll the dice.\n"));
    help.ShowContext(5);
    shown = help.Viewer()->Browser()->toPlainText();
    QVERIFY2(shown.contains(QStringLiteral("Playing")) &&
                 shown.contains(QStringLiteral("Roll the dice.")),
             qPrintable(shown));

    help.ShowContext(123);
    shown = help.Viewer()->Browser()->toPlainText();
    QVERIFY2(shown.contains(QStringLiteral("has no topic 123")), qPrintable(shown));
    QCOMPARE(help.Viewer()->CurrentTopic(), 123);

#ifndef Q_OS_WIN
    // A FIFO in place of the file is no file, and is not waited on (should the
    // request wait, the alarm ends the test).
    QVERIFY(QFile::remove(path));
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    ::alarm(60);
    help.ShowContext(5);
    ::alarm(0);
    shown = help.Viewer()->Browser()->toPlainText();
    QVERIFY2(shown.contains(QStringLiteral("could not be read")), qPrintable(shown));
#endif
}

void TestHelp::requestsOpenAndReuseOneWindow() {
    {
        THelpSystem help(QStringLiteral(TOLMIR_HELP_FILE));
        QVERIFY(help.Viewer() == nullptr);

        Application::ShowHelpContext(200);
        THelpViewer* viewer = help.Viewer();
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->isVisible());
        QVERIFY(!viewer->isModal());
        QCOMPARE(viewer->CurrentTopic(), 200);
        QVERIFY(viewer->Browser()->toPlainText().startsWith(QStringLiteral("Game Options")));

        Application::ShowHelpContext(300);
        QCOMPARE(help.Viewer(), viewer);
        QCOMPARE(viewer->CurrentTopic(), 300);

        // A closed help window comes back for the next request.
        viewer->close();
        QVERIFY(!viewer->isVisible());
        Application::ShowHelpContext(400);
        QCOMPARE(help.Viewer(), viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->CurrentTopic(), 400);
        QCOMPARE(HelpWindowCount(), 1);
    }
    // Once the help system is gone, requests are ignored.
    Application::ShowHelpContext(5);
    QCOMPARE(HelpWindowCount(), 0);
}

void TestHelp::linksBackAndContentsNavigate() {
    THelpSystem help(QStringLiteral(TOLMIR_HELP_FILE));
    help.ShowContext(200);
    THelpViewer* viewer = help.Viewer();
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QVERIFY(!viewer->BackButton()->isEnabled());

    QTextEdit* browser = viewer->Browser();
    const QPoint link = LinkPosition(browser, QStringLiteral("#205"));
    QVERIFY(browser->viewport()->rect().contains(link));
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, link);
    QCOMPARE(viewer->CurrentTopic(), 205);
    QVERIFY(browser->toPlainText().startsWith(QStringLiteral("Type of dice")));

    QVERIFY(viewer->BackButton()->isEnabled());
    QTest::mouseClick(viewer->BackButton(), Qt::LeftButton);
    QCOMPARE(viewer->CurrentTopic(), 200);
    // Going back renders the topic again as Markdown, not as plain text.
    QVERIFY(browser->toPlainText().startsWith(QStringLiteral("Game Options")));

    QTest::mouseClick(viewer->ContentsButton(), Qt::LeftButton);
    QCOMPARE(viewer->CurrentTopic(), 5);
}

// The caret walks the text (a table cell after cell, row by row), Tab goes to a
// link and Enter follows it, the topic is said by name, Escape closes.
void TestHelp::topicIsADocumentToWalkByKeys() {
    THelpSystem help(QStringLiteral(TOLMIR_HELP_FILE));
    help.ShowContext(5);
    THelpViewer* viewer = help.Viewer();
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    QTextEdit* browser = viewer->Browser();
    const QTextCursor keys = browser->document()->find(QRegularExpression("^Alt\\+R$"));
    QVERIFY(keys.currentTable() != nullptr);
    browser->setTextCursor(keys);
    const auto cellText = [&] {
        const QTextTableCell cell = keys.currentTable()->cellAt(browser->textCursor());
        return browser->document()->findBlock(cell.firstPosition()).text();
    };
    QStringList cells{cellText()};
    for (int i = 0; i < 6 && cells.size() < 3; ++i) { // a cell may take several lines
        QTest::keyClick(browser, Qt::Key_Down);
        cells << cellText();
        cells.removeDuplicates();
    }
    QCOMPARE(cells.mid(2), QStringList({"F1 to F5"}));
    QVERIFY2(cells[1].startsWith(QStringLiteral("roll the dice")), qPrintable(cells[1]));

    browser->moveCursor(QTextCursor::Start);
    QTest::keyClick(browser, Qt::Key_Tab);
    const QString linked = browser->textCursor().charFormat().anchorHref();
    QTest::keyClick(browser, Qt::Key_Return);
    QCOMPARE(viewer->CurrentTopic(), linked.mid(1).toInt());
    const QString title = browser->document()->firstBlock().text();
    QCOMPARE(viewer->windowTitle(), title + QStringLiteral(" - Tolmir Help"));
    QCOMPARE(viewer->findChild<TSpokenNotice*>()->Text(), title);
    QTest::keyClick(browser, Qt::Key_Escape);
    QVERIFY(!viewer->isVisible());
}

void TestHelp::windowStaysUsableWhileADialogIsModal() {
    THelpSystem help(QStringLiteral(TOLMIR_HELP_FILE));
    QDialog dialog;
    int topicAfterClick = 0;
    QTimer::singleShot(0, &dialog, [&] {
        help.ShowContext(300);
        THelpViewer* viewer = help.Viewer();
        if (QTest::qWaitForWindowExposed(viewer)) {
            // The click goes through the window system, which holds back input
            // to windows that a modal dialog blocks.
            QPushButton* contents = viewer->ContentsButton();
            QTest::mouseClick(viewer->windowHandle(), Qt::LeftButton, {},
                              contents->mapTo(viewer, contents->rect().center()));
            topicAfterClick = viewer->CurrentTopic();
        }
        dialog.reject();
    });
    dialog.exec();
    QCOMPARE(topicAfterClick, 5);
}

void TestHelp::openUrlHandsTheAddressToTheDesktop() {
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "RecordUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "RecordUrl");
    OpenUrl(HomePageUrl, nullptr);
    OpenUrl(QStringLiteral("www.varnholt.example"), nullptr);
    OpenUrl(QString(), nullptr);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));

    QCOMPARE(FOpenedUrls, QList<QUrl>({QUrl(QStringLiteral("https://www.varnholt.example/tolmir")),
                                       QUrl(QStringLiteral("http://www.varnholt.example"))}));
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
