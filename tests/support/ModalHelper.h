#pragma once
// Answers a real modal dialog from a test: once a modal widget of the wanted
// type is shown, the answer runs on it from the event loop that exec() is running.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <type_traits>

template <typename Dialog = QWidget>
void AnswerNextModal(std::type_identity_t<std::function<void(Dialog*)>> AAnswer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, ticks, AAnswer = std::move(AAnswer)] {
        auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        const bool shown = modal != nullptr && modal->isVisible();
        ++*ticks;
        // Keys go to the focused control, so wait until the window system has
        // activated the dialog; answer anyway after two seconds, give up after five.
        if (shown && (modal->isActiveWindow() || *ticks > 200)) {
            timer->stop();
            timer->deleteLater();
            const QPointer<QWidget> guard(modal);
            AAnswer(modal);
            // An answer that stopped early (a failed check) must not leave exec() waiting.
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
