#pragma once
// The splash screen: the start picture, shown alone while the game starts.

#include <QWidget>

class QLabel;

class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* AParent = nullptr);

    // Shows the splash and has it painted on the screen before returning, for
    // a start-up that blocks right afterwards without processing events.
    void ShowAndPaint();

    QLabel* Image1 = nullptr;
};
