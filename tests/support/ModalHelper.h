#pragma once
// Answers a modal dialog that a call is about to open: polls until a modal
// widget of the wanted type is active, then hands it to the answer.

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

template <typename Dialog>
void AnswerNextModal(std::function<void(Dialog*)> AAnswer, int ATimeoutMs = 5000) {
    auto* timer = new QTimer;
    auto elapsed = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, AAnswer, ATimeoutMs] {
        *elapsed += 10;
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            AAnswer(dialog);
        } else if (*elapsed > ATimeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}
