#include "platform/HelpViewer.h"

#include "platform/Application.h"
#include "platform/OpenUrl.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QString kScheme = QStringLiteral("help");
constexpr int kContentsTopic = 5;

QUrl TopicUrl(int AContext) {
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(QString::number(AContext));
    return url;
}

// The topic a link leads to: "#205" in the file (which the browser resolves
// against the topic on show to "help:200#205") or "help:205"; 0 for any other
// address.
int LinkedTopic(const QUrl& AUrl) {
    if (!AUrl.scheme().isEmpty() && AUrl.scheme() != kScheme) {
        return 0;
    }
    bool ok = false;
    const int number = AUrl.hasFragment() ? AUrl.fragment().toInt(&ok) : AUrl.path().toInt(&ok);
    return ok && number > 0 ? number : 0;
}

QString TopicMarkdown(const QString& AHelpFile, int AContext) {
    const std::optional<THelpFile> file = LoadHelpFile(AHelpFile);
    if (!file) {
        return QStringLiteral("# Help is not available\n\nThe help file `%1` could not be read.")
            .arg(AHelpFile);
    }
    const auto topic = file->Topics.find(AContext);
    if (topic == file->Topics.end()) {
        return QStringLiteral("# Topic not found\n\nThe help file `%1` has no topic %2.")
            .arg(AHelpFile)
            .arg(AContext);
    }
    const QString title = topic->second.Title.isEmpty() ? QStringLiteral("Topic %1").arg(AContext)
                                                        : topic->second.Title;
    return QStringLiteral("# %1\n\n%2\n").arg(title, topic->second.Body);
}

// Serves the topics of the help file as Markdown documents "help:<number>", so
// that the browser's own history works across topics.
class THelpBrowser : public QTextBrowser {
public:
    THelpBrowser(const QString& AHelpFile, QWidget* AParent)
        : QTextBrowser(AParent), FHelpFile(AHelpFile) {}

    QVariant loadResource(int AType, const QUrl& AName) override {
        if (AName.scheme() == kScheme) {
            return TopicMarkdown(FHelpFile, AName.path().toInt());
        }
        return QTextBrowser::loadResource(AType, AName);
    }

private:
    QString FHelpFile;
};

} // namespace

THelpViewer::THelpViewer(const QString& AHelpFile, QWidget* AParent)
    : QWidget(AParent, Qt::Window), FHelpFile(AHelpFile) {
    setWindowTitle(Application::Title + QStringLiteral(" Help"));
    // Left open, the help window must not keep the program running once the
    // main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(560, 600);

    FBackButton = new QPushButton(QStringLiteral("&Back"), this);
    FBackButton->setEnabled(false);
    FContentsButton = new QPushButton(QStringLiteral("&Contents"), this);
    FBrowser = new THelpBrowser(AHelpFile, this);
    FBrowser->setOpenLinks(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(FBackButton);
    buttons->addWidget(FContentsButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(FBrowser);

    connect(FBackButton, &QPushButton::clicked, FBrowser, &QTextBrowser::backward);
    connect(FBrowser, &QTextBrowser::backwardAvailable, FBackButton, &QPushButton::setEnabled);
    connect(FContentsButton, &QPushButton::clicked, this,
            [this] { Application::Guarded([this] { GoToTopic(kContentsTopic); }); });
    connect(FBrowser, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& AUrl) { Application::Guarded([&] { LinkClicked(AUrl); }); });
    // While a modal dialog runs, the help window must stay usable (it is opened
    // from the dialogs' Help buttons), so it follows the modal window around.
    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            [this] { Application::Guarded([this] { FollowModalWindow(); }); });
}

THelpViewer::~THelpViewer() = default;

int THelpViewer::CurrentTopic() const {
    const QUrl source = FBrowser->source();
    return source.scheme() == kScheme ? source.path().toInt() : 0;
}

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

void THelpViewer::GoToTopic(int AContext) {
    const QUrl url = TopicUrl(AContext);
    if (FBrowser->source() == url) {
        FBrowser->reload();
    } else {
        FBrowser->setSource(url, QTextDocument::MarkdownResource);
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
