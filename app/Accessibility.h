#pragma once
// What the main window tells a screen reader beyond what its widgets say by
// themselves: one short announcement after each player action, the counters read
// with their captions, and no hidden "Held" label in the accessibility tree.

#include "game/GameInterfaces.h"

#include <QWidget>

#include <array>

class QLabel;
class TfrmMain;

// Empty, invisible widgets that a screen reader sees as notifications: each
// announcement becomes the name of the next of a few of them, sent as the
// name's change and the notification's showing, which screen readers speak. A
// reader may read a name only a while after its event, so announcements that
// follow each other closely each keep a notification of their own.
//
// An announcement goes out once the player's action has been handled, or
// earlier when the action waits (a sound, a question): announcements of one
// action are joined into one.
class TAnnouncer : public QWidget, public IAnnouncer {
    Q_OBJECT

public:
    static constexpr int kVoiceCount = 4;

    explicit TAnnouncer(QWidget* AParent);

    void Announce(const std::string& AText) override;
    QString LastAnnouncement() const { return FText; }
    // True while an announcement waits to be sent.
    bool Pending() const { return FPending; }
    // Sends what waits now, before a question that would otherwise be read first.
    void SendNow();

private:
    QString FText;
    bool FPending = false;
    std::array<QWidget*, kVoiceCount> FVoices{};
    std::size_t FNextVoice = 0;
};

// The container's accessible lists only its children that are not hidden and
// not marked with SkipInAccessibleTree; shown and hidden children are reported
// as a change of the container's children.
void ExposeVisibleChildrenOnly(QWidget* AContainer);
void SkipInAccessibleTree(QWidget* AWidget);

// The counter's accessible name is its caption followed by its number ("Rolls: 2");
// the caption itself leaves the accessibility tree.
void NameCounterByCaption(QLabel* ACaption, QLabel* ACount);

// Names the main window's containers and counters, and hides what a screen
// reader should not read.
void DescribeMainWindow(TfrmMain& AForm);
