// The game in every shipped language: the translation files are complete and
// consistent, and the main window, the dialogs and Qt's own question box show
// every text whole and nothing left in English.

#include "tests/support/ErrorBoxGuard.h"
#include "tests/support/PrivateRegistry.h"
#include "tests/support/SessionFakes.h"

#include "advisor/AdviceText.h"
#include "app/ScoreGrid.h"
#include "app/uMain.h"
#include "dialogs/uAboutBox.h"
#include "dialogs/uDiceOptions.h"
#include "dialogs/uHighScores.h"
#include "dialogs/uInputQuery.h"
#include "dialogs/uReviewGame.h"
#include "game/GameSession.h"
#include "game/ScoreSheet.h"
#include "platform/HelpViewer.h"
#include "platform/Translations.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColorDialog>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>

namespace {

struct TMessage {
    QString Context;
    QString Source;
    QStringList Forms; // one, or one per plural form
    bool Finished = true;
};

std::vector<TMessage> ReadTs(const QString& ALanguage) {
    QFile file(QStringLiteral(TOLMIR_TRANSLATIONS_DIR "/tolmir_%1.ts").arg(ALanguage));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    std::vector<TMessage> messages;
    QXmlStreamReader xml(&file);
    QString context;
    bool numerus = false;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            messages.push_back({context, {}, {}, true});
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            messages.back().Source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            messages.back().Finished = type.isEmpty();
            if (!numerus) {
                messages.back().Forms << xml.readElementText();
            }
        } else if (name == QLatin1String("numerusform")) {
            messages.back().Forms << xml.readElementText();
        }
    }
    return messages;
}

QStringList Placeholders(const QString& AText) {
    static const QRegularExpression kArgument(QStringLiteral("%[1-9n]"));
    QStringList found;
    for (const QRegularExpressionMatch& match : kArgument.globalMatch(AText)) {
        found << match.captured();
    }
    found.sort();
    found.removeDuplicates();
    return found;
}

// A text that means the same in every language: numbers, keys, the names.
bool LanguageFree(QString AText) {
    AText.remove(QLatin1Char('&'));
    static const QRegularExpression kWords(QStringLiteral("[A-Za-z]{2,}"));
    static const QRegularExpression kKeys(QStringLiteral("^(F[1-5]|Ctrl\\+\\S+)$"));
    static const QRegularExpression kNames(QStringLiteral("\\b(Tolmir|Jubo|Varnholt)\\b"));
    AText.remove(kNames);
    return !kWords.match(AText).hasMatch() || kKeys.match(AText).hasMatch();
}

// One text on screen: where it is, what it says and whether its control shows it whole.
struct TShown {
    QString Where;
    QString Text;
    bool Whole = true;
};

void Collect(QWidget* AWindow, std::vector<TShown>& AShown) {
    const auto where = [](const QObject* AObject) {
        QString path = AObject->objectName();
        for (const QObject* p = AObject->parent(); p; p = p->parent()) {
            path = p->objectName() + QLatin1Char('/') + path;
        }
        return path + QLatin1Char(':') + QLatin1String(AObject->metaObject()->className());
    };
    AShown.push_back({where(AWindow) + QStringLiteral("#title"), AWindow->windowTitle(), true});
    // A label's caption fits its label and does not run into another's.
    std::vector<std::pair<const QLabel*, QRect>> captions;
    for (QLabel* label : AWindow->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty() || label->pixmap().cacheKey() != 0) {
            continue;
        }
        const QRect room = label->contentsRect();
        // A label with a buddy shows its & as the underlined shortcut letter.
        const QString shown =
            label->buddy() ? QString(label->text()).remove(QLatin1Char('&')) : label->text();
        const int advance = label->fontMetrics().horizontalAdvance(shown);
        bool whole = label->wordWrap() ? label->heightForWidth(room.width()) <= room.height()
                                       : advance <= room.width();
        const QRect caption(label->mapTo(AWindow, room.topLeft()),
                            QSize(label->wordWrap() ? room.width() : advance, room.height()));
        for (const auto& [other, rect] : captions) {
            whole = whole && !(other->parent() == label->parent() && rect.intersects(caption));
        }
        captions.emplace_back(label, caption);
        // It stays inside its frame or page, clear of the frame's line.
        const QWidget* frame = label->parentWidget();
        whole = whole && QRect(frame->mapTo(AWindow, QPoint()), frame->size())
                             .adjusted(1, 1, -2, -1)
                             .contains(caption);
        // Nor into a control beside it.
        for (const QWidget* sibling :
             label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (sibling != label && sibling->isVisible() && !qobject_cast<const QLabel*>(sibling) &&
                QRect(sibling->mapTo(AWindow, QPoint()), sibling->size()).intersects(caption)) {
                whole = false;
            }
        }
        AShown.push_back({where(label), label->text(), whole});
    }
    for (QAbstractButton* button : AWindow->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->text().isEmpty()) {
            continue;
        }
        // A push button's caption between its bevels; a check box or radio
        // button with its indicator.
        const QString caption = QString(button->text()).remove(QLatin1Char('&'));
        const bool whole =
            qobject_cast<QPushButton*>(button)
                ? button->fontMetrics().horizontalAdvance(caption) + 8 <= button->width()
                : button->sizeHint().width() <= button->width();
        AShown.push_back({where(button), button->text(), whole});
    }
    for (QGroupBox* group : AWindow->findChildren<QGroupBox*>()) {
        if (group->isVisible() && !group->title().isEmpty()) {
            // The title starts where the style puts it and must end inside the frame.
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.textAlignment = group->alignment();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                               QStyle::SC_GroupBoxLabel, group);
            const int need = group->fontMetrics().horizontalAdvance(group->title());
            AShown.push_back(
                {where(group), group->title(), title.left() + need <= group->width() - 2});
        }
    }
    for (QTabWidget* tabs : AWindow->findChildren<QTabWidget*>()) {
        // Tabs that do not fit side by side would need the scroll buttons.
        const bool whole = tabs->tabBar()->sizeHint().width() <= tabs->width();
        for (int i = 0; i < tabs->count(); ++i) {
            AShown.push_back({where(tabs) + QString::number(i), tabs->tabText(i), whole});
        }
    }
    for (QTreeWidget* tree : AWindow->findChildren<QTreeWidget*>()) {
        QHeaderView* header = tree->header();
        for (int i = 0; i < header->count(); ++i) {
            const QString text = tree->headerItem()->text(i);
            const int need = header->sectionSizeHint(i);
            AShown.push_back(
                {where(tree) + QString::number(i), text, need <= header->sectionSize(i)});
        }
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            AShown.push_back({where(tree) + QStringLiteral("/row%1").arg(i),
                              tree->topLevelItem(i)->text(0), true});
        }
    }
    for (TScoreGrid* grid : AWindow->findChildren<TScoreGrid*>()) {
        // The line labels, drawn 2 pixels into their cells in the grid's font.
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QString label = QString::fromStdString(grid->Cell(kLabelCol, row));
            AShown.push_back(
                {where(grid) + QString::number(row), label,
                 grid->fontMetrics().horizontalAdvance(label) + 2 <= grid->columnWidth(kLabelCol)});
        }
    }
    if (auto* window = qobject_cast<QMainWindow*>(AWindow)) {
        QMenuBar* bar = window->menuBar();
        AShown.push_back({where(bar), QString(), bar->sizeHint().width() <= bar->width()});
        for (QAction* menu : bar->actions()) {
            AShown.push_back(
                {where(bar) + QLatin1Char('/') + menu->menu()->objectName(), menu->text(), true});
            for (QAction* item : menu->menu()->actions()) {
                if (!item->isSeparator()) {
                    AShown.push_back({where(item), item->text(), true});
                }
            }
        }
    }
}

} // namespace

// Qt's own translation keeps the text as in English (Italian "No").
bool QtKeepsAsIs(const QTranslator& AQt, const QString& AText) {
    for (const char* context : {"QPlatformTheme", "QColorDialog"}) {
        if (AQt.translate(context, qPrintable(AText)) == AText) {
            return true;
        }
    }
    return false;
}

class TestLanguages : public QObject {
    Q_OBJECT

    std::unique_ptr<TPrivateRegistry> FRegistry;

    // Every window and dialog of the game built in the current language, then
    // what each shows. The question box is Qt's, with Qt's own buttons.
    std::vector<TShown> ShownTexts() {
        std::vector<TShown> shown;
        EventLog log;
        FakePrompter prompter{log};
        FakeSound sound{log};
        FakeClock clock;
        TfrmMain main(TfrmMainServices{&prompter, &sound, &clock});
        main.show();
        // The Held captions as when every die is held.
        for (QLabel* held :
             main.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lblHold")))) {
            held->show();
        }
        Collect(&main, shown);

        TfrmDiceOptions options(&main, main.AllDice(), main.Settings());
        TfrmHighScores scores(&main);
        TfrmAboutBox about(&main);
        TTurnReview turn{{2, 2, 5, 5, 3}, rowFull, "0", {{1, {2, 2, 5, 5, 3}, "", "", 1.5}}, 1.5};
        TfrmReviewGame review(&main, TGameReview{{turn}, 1.5, 200.0});
        TfrmInputQuery query(&main);
        query.Label1->setText(
            QString::fromStdString(Tx("GameSession", TGameSession::kPlayerPrompt)));
        query.Label1->adjustSize(); // as the prompt is shown
        THelpViewer help(QStringLiteral("missing.hlp"));
        QMessageBox question(QMessageBox::Information, QString(),
                             QString::fromStdString(Tx("GameSession", TGameSession::kMsgNewGame)),
                             QMessageBox::Yes | QMessageBox::No, &main);
        QColorDialog colours(&main); // Qt's own, as Game Options opens it
        for (QWidget* window : std::initializer_list<QWidget*>{
                 &options, &scores, &about, &review, &query, &help, &question, &colours}) {
            window->show();
            Collect(window, shown);
            if (window == &options) {
                // The other pages of the tabs.
                for (int page = 1; page < options.PageControl1->count(); ++page) {
                    options.PageControl1->setCurrentIndex(page);
                    Collect(options.PageControl1->currentWidget(), shown);
                }
            }
        }
        return shown;
    }

private slots:
    void initTestCase() {
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
        QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
        FRegistry = std::make_unique<TPrivateRegistry>();
    }
    void cleanupTestCase() {
        InstallLanguage({});
        FRegistry.reset();
    }

    void chosenLanguage() {
        // Every language's translation is built into the program.
        QCOMPARE(ShippedLanguages(), QStringList({"de", "es", "fr", "it", "nl", "pl", "pt_BR"}));
        QCOMPARE(ChooseLanguage(QLocale(QStringLiteral("de_AT"))), QStringLiteral("de"));
        QCOMPARE(ChooseLanguage(QLocale(QStringLiteral("pt_PT"))), QStringLiteral("pt_BR"));
        QCOMPARE(ChooseLanguage(QLocale(QStringLiteral("en_GB"))), QString());
        QCOMPARE(ChooseLanguage(QLocale::c()), QString());
        QCOMPARE(ChooseLanguage(QLocale(QStringLiteral("ja_JP"))), QString());
    }

    void translationFiles_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : ShippedLanguages()) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }

    // Every entry translated, with the source's arguments, and no two shortcut
    // letters alike among the texts of one window.
    void translationFiles() {
        QFETCH(QString, language);
        const std::vector<TMessage> messages = ReadTs(language);
        QVERIFY(messages.size() > 100);
        std::map<QString, std::map<QString, QString>> letters;
        for (const TMessage& message : messages) {
            const QString where = message.Context + QStringLiteral(": ") + message.Source;
            QVERIFY2(message.Finished && !message.Forms.isEmpty(), qPrintable(where));
            for (const QString& form : message.Forms) {
                QVERIFY2(!form.trimmed().isEmpty(), qPrintable(where));
                QVERIFY2(Placeholders(form) == Placeholders(message.Source),
                         qPrintable(where + QStringLiteral(" -> ") + form));
            }
            // The dialog buttons share every dialog with the dialog's own texts.
            const QString window = message.Context == QLatin1String("TfrmDialogAncestor")
                                       ? QStringLiteral("TfrmDiceOptions")
                                       : message.Context;
            if (const QString letter = QKeySequence::mnemonic(message.Forms.first()).toString();
                !letter.isEmpty()) {
                QVERIFY2(!letters[window].contains(letter),
                         qPrintable(message.Forms.first() + QStringLiteral(" and ") +
                                    letters[window][letter]));
                letters[window][letter] = message.Forms.first();
            }
        }
    }

    void windowsInEachLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString();
        for (const QString& language : ShippedLanguages()) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }

    // Each text shows whole; a text still as in English must be one the
    // translation keeps on purpose, or a name or number.
    void windowsInEachLanguage() {
        QFETCH(QString, language);
        InstallLanguage({});
        std::map<QString, QString> english;
        for (const TShown& shown : ShownTexts()) {
            english[shown.Where] = shown.Text;
        }
        // The texts the translation keeps as in English, their arguments any text.
        QStringList keptAsIs;
        for (const TMessage& message : ReadTs(language)) {
            if (message.Forms.value(0) == message.Source) {
                keptAsIs << QRegularExpression::escape(message.Source)
                                .replace(QRegularExpression(QStringLiteral("\\\\%[1-9n]")),
                                         QStringLiteral(".*"));
            }
        }
        const QRegularExpression kept(
            QStringLiteral("^(?:%1)$").arg(keptAsIs.join(QLatin1Char('|'))));
        QTranslator qt;
        if (!language.isEmpty()) {
            QVERIFY(qt.load(QStringLiteral("qtbase_") + language,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        }
        InstallLanguage(language);
        const std::vector<TShown> shown = ShownTexts();
        QVERIFY(shown.size() > 60);
        for (const TShown& text : shown) {
            const QString where = text.Where + QStringLiteral(" \"") + text.Text + QLatin1Char('"');
            QVERIFY2(text.Whole, qPrintable(QStringLiteral("clipped: ") + where));
            if (!language.isEmpty() && !text.Text.isEmpty() && english[text.Where] == text.Text) {
                QVERIFY2(LanguageFree(text.Text) || kept.match(text.Text).hasMatch() ||
                             QtKeepsAsIs(qt, text.Text),
                         qPrintable(QStringLiteral("English: ") + where));
            }
        }
    }

    // The toolkit-free layers speak the language too, with its decimal separator.
    void gameTextsFollow() {
        InstallLanguage(QStringLiteral("de"));
        const std::string full = RowLabel(rowFull);
        QVERIFY(!full.empty());
        QCOMPARE(ExpectedText(187.43), std::string("187,4"));
        QVERIFY(Tx("GameSession", TGameSession::kMsgRollFirst) != TGameSession::kMsgRollFirst);
        InstallLanguage({});
        QCOMPARE(ExpectedText(187.43), std::string("187.4"));
        QCOMPARE(Tx("GameSession", TGameSession::kMsgRollFirst),
                 std::string(TGameSession::kMsgRollFirst));
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
