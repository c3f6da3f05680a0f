#include "app/Accessibility.h"

#include "app/ScoreGrid.h"
#include "app/uMain.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>

#include <mutex>

namespace {

constexpr const char* kVisibleChildrenOnly = "tolmirAccessibleVisibleChildrenOnly";
constexpr const char* kSkipInTree = "tolmirAccessibleSkip";

// One notification of the announcer, named by the announcement it carries.
class TVoice : public QWidget {
    Q_OBJECT

public:
    explicit TVoice(QWidget* AParent) : QWidget(AParent) {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        // One transparent pixel in the corner: nothing to see, but a real extent,
        // as some readers pass over objects without one.
        setGeometry(0, 0, 1, 1);
        // Shown with its first announcement: an empty notification says "notification".
        hide();
    }
    QString Text;
};

class TVoiceAccessible : public QAccessibleWidget {
public:
    explicit TVoiceAccessible(TVoice* AVoice)
        : QAccessibleWidget(AVoice, QAccessible::Notification) {}

    QString text(QAccessible::Text AText) const override {
        if (AText == QAccessible::Name) {
            return static_cast<TVoice*>(widget())->Text;
        }
        return QAccessibleWidget::text(AText);
    }
};

QList<QWidget*> ExposedChildren(const QWidget* AContainer) {
    QList<QWidget*> exposed;
    for (QObject* child : AContainer->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->isWindow() && !widget->isHidden() &&
            !widget->property(kSkipInTree).toBool()) {
            exposed.append(widget);
        }
    }
    return exposed;
}

class TVisibleChildrenAccessible : public QAccessibleWidget {
public:
    TVisibleChildrenAccessible(QWidget* AWidget, QAccessible::Role ARole)
        : QAccessibleWidget(AWidget, ARole) {}

    int childCount() const override { return static_cast<int>(ExposedChildren(widget()).size()); }
    QAccessibleInterface* child(int AIndex) const override {
        const QList<QWidget*> children = ExposedChildren(widget());
        if (AIndex < 0 || AIndex >= children.size()) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(children.at(AIndex));
    }
    int indexOfChild(const QAccessibleInterface* AChild) const override {
        if (!AChild) {
            return -1;
        }
        return static_cast<int>(
            ExposedChildren(widget()).indexOf(qobject_cast<QWidget*>(AChild->object())));
    }
};

QAccessibleInterface* Factory(const QString&, QObject* AObject) {
    if (auto* voice = qobject_cast<TVoice*>(AObject)) {
        return new TVoiceAccessible(voice);
    }
    auto* widget = qobject_cast<QWidget*>(AObject);
    if (widget && widget->property(kVisibleChildrenOnly).toBool()) {
        const QAccessible::Role role =
            qobject_cast<QGroupBox*>(widget) ? QAccessible::Grouping : QAccessible::Client;
        return new TVisibleChildrenAccessible(widget, role);
    }
    return nullptr;
}

void InstallFactory() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(&Factory); });
}

// Tells the container's accessible when one of its children is shown or hidden.
class TChildVisibilityWatcher : public QObject {
public:
    explicit TChildVisibilityWatcher(QWidget* AContainer) : QObject(AContainer) {}

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override {
        if (AEvent->type() == QEvent::ShowToParent || AEvent->type() == QEvent::HideToParent) {
            QAccessibleEvent event(parent(), QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&event);
        }
        return QObject::eventFilter(AWatched, AEvent);
    }
};

} // namespace

TAnnouncer::TAnnouncer(QWidget* AParent) : QWidget(AParent) {
    InstallFactory();
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // One transparent pixel in the corner: nothing to see, but a real extent, as
    // some readers pass over objects without one.
    setGeometry(0, 0, 1, 1);
    for (QWidget*& voice : FVoices) {
        voice = new TVoice(this);
    }
}

void TAnnouncer::Announce(const std::string& AText) {
    const QString text = QString::fromStdString(AText);
    if (!FPending) {
        FText = text;
    } else {
        // Joined as sentences, without doubling a full stop the first one ends with.
        FText += FText.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral(". ");
        FText += text;
    }
    if (FPending) {
        return;
    }
    FPending = true;
    // Twice through the event queue: the first step runs when the action's
    // handler has returned, the second after the bus's requests that came in
    // meanwhile, which are queued behind the first.
    QMetaObject::invokeMethod(
        this,
        [this] {
            QMetaObject::invokeMethod(
                this, [this] { SendNow(); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void TAnnouncer::SendNow() {
    if (!FPending) {
        return; // sent already, before a question
    }
    FPending = false;
    auto* voice = static_cast<TVoice*>(FVoices[FNextVoice]);
    FNextVoice = (FNextVoice + 1) % FVoices.size();
    voice->Text = FText;
    QAccessibleEvent named(voice, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    // A notification that shows up is read out, even when the focus is elsewhere;
    // the first showing of a voice says so by itself.
    if (voice->isHidden()) {
        voice->show();
    } else {
        QAccessibleEvent shown(voice, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

void ExposeVisibleChildrenOnly(QWidget* AContainer) {
    InstallFactory();
    AContainer->setProperty(kVisibleChildrenOnly, true);
    auto* watcher = new TChildVisibilityWatcher(AContainer);
    for (QObject* child : AContainer->children()) {
        if (child->isWidgetType()) {
            child->installEventFilter(watcher);
        }
    }
}

void SkipInAccessibleTree(QWidget* AWidget) {
    AWidget->setProperty(kSkipInTree, true);
}

void NameCounterByCaption(QLabel* ACaption, QLabel* ACount) {
    ACount->setAccessibleName(ACaption->text() + QLatin1Char(' ') + ACount->text());
}

void DescribeMainWindow(TfrmMain& AForm) {
    // First: naming a widget makes its accessible, which must see the marks.
    ExposeVisibleChildrenOnly(AForm.pnlJuboHand);
    ExposeVisibleChildrenOnly(AForm.centralWidget());
    AForm.pnlJuboHand->setAccessibleName(TfrmMain::tr("Dice"));
    AForm.grdScore->setAccessibleName(TfrmMain::tr("Score sheet"));
    for (QLabel* caption : {AForm.lblTotalCaption, AForm.lblCoupsCaption}) {
        SkipInAccessibleTree(caption);
    }
    NameCounterByCaption(AForm.lblTotalCaption, AForm.lblTotalCount);
    NameCounterByCaption(AForm.lblCoupsCaption, AForm.lblShuffleCount);
}

#include "Accessibility.moc"
