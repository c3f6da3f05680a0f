#pragma once
// Ends the program in an orderly way when the system asks it to: at logout, on
// `kill` and on Ctrl+C in a terminal (SIGTERM, SIGHUP, SIGINT). Outside POSIX
// systems it does nothing.

#include <QObject>

#include <functional>

class QSocketNotifier;
class QTimer;

// While an object exists, the three signals no longer end the process at once:
// the signal handler only writes a byte to a pipe, and the event loop then calls
// AOnEnd and leaves every running event loop, nested ones (modal dialogs)
// included, as often as needed until the outermost returns. Once the object is
// gone the signals are ignored: the program is then ending anyway.
//
// Created before the sound library starts, so that it finds handlers in place
// and leaves them alone.
class TEndSignals : public QObject {
    Q_OBJECT

public:
    explicit TEndSignals(std::function<void()> AOnEnd, QObject* AParent = nullptr);
    ~TEndSignals() override;

private:
    void SignalArrived();

    std::function<void()> FOnEnd;
    QSocketNotifier* FNotifier = nullptr;
    QTimer* FLeaveLoops = nullptr;
    bool FEndRequested = false;
};
