#include "app/uSplash.h"

#include "platform/Resources.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

namespace {
constexpr int kWidth = 465;
constexpr int kHeight = 281;
// How long ShowAndPaint waits at most for the window system to map the window.
constexpr int kExposeTimeoutMs = 1000;
} // namespace

TfrmSplash::TfrmSplash(QWidget* AParent)
    : QWidget(AParent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::NoFocus);

    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, kWidth, kHeight);
    // Decoded without QPixmapCache, which would keep the picture for the whole run.
    Image1->setPixmap(QPixmap::fromImage(QImage(ResourcePath(QStringLiteral("SPLASH")))));

    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

void TfrmSplash::ShowAndPaint() {
    show();
    // A window can only be painted once the window system has mapped it.
    const QDeadlineTimer deadline(kExposeTimeoutMs);
    while (!(windowHandle() != nullptr && windowHandle()->isExposed()) && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    repaint();
    QCoreApplication::processEvents();
}
