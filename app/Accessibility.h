#pragma once
// What the main window tells a screen reader beyond what its widgets say by
// themselves: one short announcement after each player action, the counters read
// with their captions, and no hidden "Held" label in the accessibility tree.

#include "GameInterfaces.h"

#include <QWidget>

class QLabel;
class TfrmMain;

// An empty, invisible widget that a screen reader sees as a notification: its
// name is the last announcement, and each announcement is sent as the name's
// change and the notification's showing, which screen readers speak.
class TAnnouncer : public QWidget, public IAnnouncer {
    Q_OBJECT

public:
    explicit TAnnouncer(QWidget* AParent);

    void Announce(const std::string& AText) override;
    QString LastAnnouncement() const { return FText; }

private:
    QString FText;
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
