#include "platform/WindowPlacement.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>

#if !defined(_WIN32)
#include <xcb/xcb.h>
#endif

namespace {

const QString kWatcherName = QStringLiteral("frameWatcher");

// A frame around the window. While the window manager builds it, the toolkit
// may see a frame that does not yet hold the window, or that adds nothing on
// the left and top.
bool FrameKnown(const QWidget& AWindow) {
    const QRect frame = AWindow.frameGeometry();
    const QRect inside = AWindow.geometry();
    return frame.contains(inside) && (frame.left() < inside.left() || frame.top() < inside.top());
}

// Places its window once more when the window system reports the frame. An X11
// window manager sets the frame's extents as a property of the window, which
// gives no event of the toolkit: the property's notification is watched for.
// Gone once the window is placed or hidden.
class TFrameWatcher : public QObject, public QAbstractNativeEventFilter {
public:
    TFrameWatcher(QWidget* AWindow, TFrameTopLeft ATopLeft)
        : QObject(AWindow), FWindow(AWindow), FTopLeft(std::move(ATopLeft)) {
        setObjectName(kWatcherName);
        AWindow->installEventFilter(this);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~TFrameWatcher() override {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        if (FWindow) {
            FWindow->removeEventFilter(this);
        }
    }

    bool nativeEventFilter(const QByteArray& AType, void* AMessage, qintptr*) override {
#if !defined(_WIN32)
        if (AType == "xcb_generic_event_t" && FWindow) {
            const auto* event = static_cast<const xcb_generic_event_t*>(AMessage);
            if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY &&
                static_cast<const xcb_property_notify_event_t*>(AMessage)->window ==
                    FWindow->internalWinId()) {
                // The toolkit reads the new extents once it has handled the event.
                QTimer::singleShot(0, this, [this] { PlaceOnceFramed(); });
            }
        }
#else
        Q_UNUSED(AType);
        Q_UNUSED(AMessage);
#endif
        return false;
    }

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override {
        if (AWatched == FWindow && AEvent->type() == QEvent::Hide) {
            deleteLater();
        } else if (AWatched == FWindow &&
                   (AEvent->type() == QEvent::Move || AEvent->type() == QEvent::WindowActivate)) {
            PlaceOnceFramed();
        }
        return false;
    }

private:
    void PlaceOnceFramed() {
        if (FWindow && !FPlaced && FrameKnown(*FWindow)) {
            FPlaced = true;
            FWindow->move(FTopLeft(FWindow->frameGeometry().size()));
            deleteLater();
        }
    }

    QPointer<QWidget> FWindow;
    TFrameTopLeft FTopLeft;
    bool FPlaced = false;
};

} // namespace

void PlaceByFrame(QWidget* AWindow, const TFrameTopLeft& ATopLeft) {
    // A watcher of an earlier showing that has not seen the frame.
    delete AWindow->findChild<QObject*>(kWatcherName, Qt::FindDirectChildrenOnly);
    AWindow->move(ATopLeft(AWindow->frameGeometry().size()));
    if (!FrameKnown(*AWindow)) {
        new TFrameWatcher(AWindow, ATopLeft);
    }
}

QRect OuterGeometry(const QWidget& AWindow) {
    return FrameKnown(AWindow) ? AWindow.frameGeometry() : AWindow.geometry();
}

QPoint CentredTopLeft(const QPoint& ACentre, const QSize& AFrame) {
    QRect frame(QPoint(), AFrame);
    frame.moveCenter(ACentre);
    return frame.topLeft();
}
