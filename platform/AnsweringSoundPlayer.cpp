#include "platform/AnsweringSoundPlayer.h"

#include "platform/SoundPlayer.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QThread>

#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace {

// A screen reader that has seen a key hands it back to the window as a posted
// event, which a loop that leaves out user input would still deliver. While it
// exists this holds such keys back and posts them again when it goes.
class TPostedKeysHeldBack : public QObject {
public:
    TPostedKeysHeldBack() { QCoreApplication::instance()->installEventFilter(this); }
    ~TPostedKeysHeldBack() override {
        QCoreApplication::instance()->removeEventFilter(this);
        for (auto& [receiver, event] : FHeld) {
            if (receiver) {
                QCoreApplication::postEvent(receiver, event.release());
            }
        }
    }
    TPostedKeysHeldBack(const TPostedKeysHeldBack&) = delete;
    TPostedKeysHeldBack& operator=(const TPostedKeysHeldBack&) = delete;

protected:
    bool eventFilter(QObject* AReceiver, QEvent* AEvent) override {
        const bool key = AEvent->type() == QEvent::KeyPress || AEvent->type() == QEvent::KeyRelease;
        if (!key || AEvent->spontaneous()) {
            return false; // the window system's own keys wait in its queue
        }
        FHeld.emplace_back(AReceiver, std::unique_ptr<QEvent>(AEvent->clone()));
        return true;
    }

private:
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> FHeld;
};

// The sound device is driven from one thread at a time, even should a sound
// be asked for while another plays.
std::mutex& SoundDevice() {
    static std::mutex device;
    return device;
}

void PlayAlone(const std::string& AName) {
    const std::lock_guard lock(SoundDevice());
    ::PlayWaveResource(AName);
}

} // namespace

void TAnsweringSoundPlayer::PlayWaveResource(const std::string& AName) {
    const QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || QThread::currentThread() != application->thread()) {
        PlayAlone(AName); // no event loop of ours to keep going
        return;
    }
    QEventLoop loop;
    std::thread worker;
    try {
        worker = std::thread([&loop, AName] {
            PlayAlone(AName);
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        PlayAlone(AName); // no thread to be had: the window waits instead
        return;
    }
    {
        const TPostedKeysHeldBack heldBack;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    // The window system's input that the loop left aside waits for the next
    // wake-up of the event loop: without one it would wait for the next key.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        dispatcher->wakeUp();
    }
    // The loop also ends early when the program is told to end; the sound
    // still plays to its end before the caller goes on.
    worker.join();
}
