#pragma once
// Answers a real modal dialog from a test: once a modal widget is shown, the
// action runs on it from the event loop that exec() is running.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

inline void WhenModal(std::function<void(QWidget*)> AAction) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, ticks, AAction = std::move(AAction)] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool shown = modal != nullptr && modal->isVisible();
        ++*ticks;
        // Keys go to the focused control, so wait until the window system has
        // activated the dialog; act anyway after two seconds, give up after five.
        if (shown && (modal->isActiveWindow() || *ticks > 200)) {
            timer->stop();
            timer->deleteLater();
            const QPointer<QWidget> guard(modal);
            AAction(modal);
            // An action that stopped early (a failed check) must not leave exec() waiting.
            if (!guard.isNull() && guard->isVisible() &&
                guard == QApplication::activeModalWidget()) {
                guard->close();
            }
        } else if (*ticks > 500) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

// The widget that would receive a key pressed now.
inline QWidget* KeyTarget(QWidget* AWindow) {
    QWidget* focused = QApplication::focusWidget();
    return focused != nullptr ? focused : AWindow;
}
