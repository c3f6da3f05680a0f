#include "platform/HelpViewer.h"

#include "platform/Application.h"
#include "platform/OpenUrl.h"
#include "platform/SpokenNotice.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextTable>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include <functional>
#include <optional>
#include <utility>

namespace {

constexpr int kContentsTopic = 5;

// The topic a link leads to: "#205" in the file; 0 for any other address.
int LinkedTopic(const QUrl& AUrl) {
    bool ok = false;
    const int number =
        AUrl.scheme().isEmpty() && AUrl.hasFragment() ? AUrl.fragment().toInt(&ok) : 0;
    return ok && number > 0 ? number : 0;
}

QString TopicMarkdown(const QString& AHelpFile, int AContext) {
    const std::optional<THelpFile> file = LoadHelpFile(AHelpFile);
    if (!file) {
        return THelpViewer::tr("# Help is not available\n\nThe help file `%1` could not be read.")
            .arg(AHelpFile);
    }
    const auto topic = file->Topics.find(AContext);
    if (topic == file->Topics.end()) {
        return THelpViewer::tr("# Topic not found\n\nThe help file `%1` has no topic %2.")
            .arg(AHelpFile)
            .arg(AContext);
    }
    const QString title = topic->second.Title.isEmpty() ? THelpViewer::tr("Topic %1").arg(AContext)
                                                        : topic->second.Title;
    return QStringLiteral("# %1\n\n%2\n").arg(title, topic->second.Body);
}

// Where Down (or Up) takes the caret in a table: to the start of the next (or
// the end of the previous) cell in reading order, a row's cells one after the other, where the
// browser itself would go down a column and skip the other cells. Nothing when the caret stays in
// its cell (a cell of several lines) or neither leaves nor enters a table.
std::optional<int> TableStep(const QTextCursor& AFrom, bool ADown) {
    QTextCursor probe = AFrom;
    probe.movePosition(ADown ? QTextCursor::Down : QTextCursor::Up);
    QTextTable* from = AFrom.currentTable();
    QTextTable* table = from ? from : probe.currentTable();
    if (!table || (probe.currentTable() == from && from->cellAt(probe) == from->cellAt(AFrom))) {
        return std::nullopt;
    }
    const int columns = table->columns();
    const int count = table->rows() * columns;
    int index = ADown ? 0 : count - 1; // entering the table
    if (from) {
        const QTextTableCell cell = from->cellAt(AFrom);
        index = cell.row() * columns + cell.column() + (ADown ? 1 : -1);
        if (index < 0 || index >= count) {
            return std::nullopt; // leaving the table
        }
    }
    const QTextTableCell to = table->cellAt(index / columns, index % columns);
    return (ADown ? to.firstCursorPosition() : to.lastCursorPosition()).position();
}

// The next (or previous) link from the caret: its first position and its end;
// a link that spans several pieces of formatting counts once.
std::optional<std::pair<int, int>> NextLink(const QTextCursor& AFrom, bool AForward) {
    const int from = AForward ? AFrom.selectionEnd() : AFrom.selectionStart();
    std::optional<std::pair<int, int>> found;
    QString href;
    for (QTextBlock block = AFrom.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isAnchor()) {
                continue;
            }
            const int start = fragment.position();
            const int end = start + fragment.length();
            const QString previousHref = std::exchange(href, fragment.charFormat().anchorHref());
            if (found && found->second == start && href == previousHref) {
                found->second = end; // the same link goes on
            } else if (AForward && found) {
                return found;
            } else if ((AForward && start >= from) || (!AForward && end <= from)) {
                found = std::pair(start, end);
            } else if (!AForward && found) {
                return found;
            }
        }
    }
    return found;
}

// The topic on show as a document to walk with the caret: by line, word, page,
// Home and End; Tab selects the next link and Enter or a click follows it. A
// text edit rather than a browser, as screen readers read a browser's text as a
// single label.
class THelpText : public QTextEdit {
public:
    explicit THelpText(QWidget* AParent) : QTextEdit(AParent) {
        setReadOnly(true);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                                Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    }

    std::function<void(const QString&)> OnLink;

protected:
    bool focusNextPrevChild(bool ANext) override {
        if (const auto link = NextLink(textCursor(), ANext)) {
            QTextCursor cursor = textCursor();
            cursor.setPosition(link->first);
            cursor.setPosition(link->second, QTextCursor::KeepAnchor);
            setTextCursor(cursor);
            return true;
        }
        return QTextEdit::focusNextPrevChild(ANext);
    }

    void keyPressEvent(QKeyEvent* AEvent) override {
        const int key = AEvent->key();
        if (AEvent->modifiers() & ~Qt::KeypadModifier) {
            QTextEdit::keyPressEvent(AEvent);
        } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && SelectedLink()) {
            Follow(textCursor().charFormat().anchorHref());
        } else if (const auto to = key == Qt::Key_Down || key == Qt::Key_Up
                                       ? TableStep(textCursor(), key == Qt::Key_Down)
                                       : std::nullopt) {
            QTextCursor cursor = textCursor();
            cursor.setPosition(*to);
            setTextCursor(cursor);
            ensureCursorVisible();
        } else {
            QTextEdit::keyPressEvent(AEvent);
        }
    }

    // A click is a press and a release on the same link, without a drag between.
    void mousePressEvent(QMouseEvent* AEvent) override {
        FPressedAt = AEvent->position().toPoint();
        FPressedLink = AEvent->button() == Qt::LeftButton ? anchorAt(FPressedAt) : QString();
        QTextEdit::mousePressEvent(AEvent);
    }
    void mouseReleaseEvent(QMouseEvent* AEvent) override {
        QTextEdit::mouseReleaseEvent(AEvent);
        const QString link = std::exchange(FPressedLink, QString());
        const QPoint at = AEvent->position().toPoint();
        if (AEvent->button() == Qt::LeftButton && !link.isEmpty() && anchorAt(at) == link &&
            (at - FPressedAt).manhattanLength() < QApplication::startDragDistance()) {
            Follow(link);
        }
    }

private:
    bool SelectedLink() const {
        const QTextCursor cursor = textCursor();
        return cursor.hasSelection() && cursor.charFormat().isAnchor();
    }
    void Follow(const QString& AHref) {
        if (OnLink) {
            OnLink(AHref);
        }
    }

    QString FPressedLink;
    QPoint FPressedAt;
};

} // namespace

THelpViewer::THelpViewer(const QString& AHelpFile, QWidget* AParent)
    : QMainWindow(AParent), FHelpFile(AHelpFile) {
    setWindowTitle(tr("%1 Help").arg(Application::Title));
    // Left open, the help window must not keep the program running once the
    // main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(560, 600);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    FBackButton = new QPushButton(tr("&Back"), client);
    FBackButton->setEnabled(false);
    FContentsButton = new QPushButton(tr("&Contents"), client);
    auto* text = new THelpText(client);
    FBrowser = text;
    FNotice = new TSpokenNotice(client);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(FBackButton);
    buttons->addWidget(FContentsButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(client);
    layout->addLayout(buttons);
    layout->addWidget(FBrowser);
    // The text has the focus first: a screen reader starts reading the topic.
    FBrowser->setFocus();

    connect(FBackButton, &QPushButton::clicked, this,
            [this] { Application::Guarded([this] { GoBack(); }); });
    connect(FContentsButton, &QPushButton::clicked, this,
            [this] { Application::Guarded([this] { GoToTopic(kContentsTopic); }); });
    text->OnLink = [this](const QString& AHref) {
        Application::Guarded([&] { LinkClicked(QUrl(AHref)); });
    };
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    // While a modal dialog runs, the help window must stay usable (it is opened
    // from the dialogs' Help buttons), so it follows the modal window around.
    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            [this] { Application::Guarded([this] { FollowModalWindow(); }); });
}

THelpViewer::~THelpViewer() = default;

void THelpViewer::ShowTopic(int AContext) {
    if (!windowHandle()) {
        create();
    }
    FollowModalWindow();
    GoToTopic(AContext);
    showNormal();
    raise();
    activateWindow();
}

// The file is read again even for the topic on show: it may have been edited.
void THelpViewer::GoToTopic(int AContext) {
    if (FTopic != 0 && FTopic != AContext) {
        FHistory.push_back(FTopic);
    }
    Show(AContext);
}

void THelpViewer::GoBack() {
    if (!FHistory.empty()) {
        const int topic = FHistory.back();
        FHistory.pop_back();
        Show(topic);
    }
}

// The topic's title becomes the window's.
void THelpViewer::Show(int AContext) {
    FTopic = AContext;
    // Built aside and then swapped in whole: filled in place, the text would go
    // to a screen reader as hundreds of changes, and it drops what comes next.
    auto* document = new QTextDocument(FBrowser);
    document->setDefaultFont(FBrowser->font());
    document->setMarkdown(TopicMarkdown(FHelpFile, AContext));
    // The first document belongs to the text edit, which deletes it itself.
    QTextDocument* previous = FBrowser->document();
    const bool ownPrevious = previous->parent() == FBrowser;
    FBrowser->setDocument(document);
    if (ownPrevious) {
        delete previous;
    }
    FBackButton->setEnabled(!FHistory.empty());
    // Every topic starts with its title as the heading.
    const QString topic = FBrowser->document()->firstBlock().text().trimmed();
    setWindowTitle(tr("%1 - %2 Help").arg(topic, Application::Title));
    // A screen reader says the window's title when the window opens; a topic
    // that replaces another is said by name.
    if (isVisible()) {
        FNotice->Say(topic);
    }
}

void THelpViewer::LinkClicked(const QUrl& AUrl) {
    if (const int topic = LinkedTopic(AUrl); topic != 0) {
        GoToTopic(topic);
    } else if (!AUrl.scheme().isEmpty()) {
        OpenUrl(AUrl.toString(), this);
    }
}

// A window is not blocked by a modal window that it is transient for.
void THelpViewer::FollowModalWindow() {
    QWindow* own = windowHandle();
    if (!own) {
        return;
    }
    QWindow* modal = QGuiApplication::modalWindow();
    if (modal == own) {
        modal = nullptr;
    }
    if (own->transientParent() != modal) {
        own->setTransientParent(modal);
    }
}

THelpSystem::THelpSystem(QString AHelpFile) : FHelpFile(std::move(AHelpFile)) {
    Application::SetHelpHandler([this](int AContext) { ShowContext(AContext); });
}

THelpSystem::~THelpSystem() {
    Application::SetHelpHandler({});
}

void THelpSystem::ShowContext(int AContext) {
    if (!FViewer) {
        FViewer = std::make_unique<THelpViewer>(FHelpFile);
    }
    FViewer->ShowTopic(AContext);
}
