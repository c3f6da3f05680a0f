#pragma once
// A notification for screen readers inside a window.

#include <QString>
#include <QWidget>

// Empty and invisible (one transparent pixel in the corner), it is seen by a
// screen reader as a notification: each text it is told becomes its name and it
// shows up again, which screen readers read out wherever the focus is.
class TSpokenNotice : public QWidget {
    Q_OBJECT

public:
    explicit TSpokenNotice(QWidget* AParent);

    void Say(const QString& AText);
    QString Text() const { return accessibleName(); }
};
