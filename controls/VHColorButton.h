#pragma once
// A small panel filled with one colour that works as a push button: it looks
// pressed while the left mouse button is down on it and raises OnClick when the
// button is released over it. Tab reaches it (a dotted mark shows the focus)
// and Space or Enter click it; a click of the mouse does not take the focus.

#include "platform/TColor.h"

#include <QWidget>

#include <functional>

class TVHColorButton;

using TColorButtonNotifyEvent = std::function<void(TVHColorButton* Sender)>;

// "red 255, green 128, blue 0": how a screen reader names a colour.
QString ColorAccessibleName(TColor AColor);

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

class TVHColorButton : public QWidget {
    Q_OBJECT

public:
    explicit TVHColorButton(QWidget* AParent = nullptr);

    TColor Color() const { return FColor; }
    void SetColor(TColor AColor);
    // Width of each bevel in pixels; values below 1 are ignored.
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int AWidth);
    // None until the first press, lowered while the left button is down, raised after.
    TPanelBevel BevelInner() const { return FBevelInner; }

    int Tag() const { return FTag; }
    void SetTag(int ATag) { FTag = ATag; }

    QSize sizeHint() const override { return {25, 20}; }

    TColorButtonNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent* AEvent) override;
    void mousePressEvent(QMouseEvent* AEvent) override;
    void mouseReleaseEvent(QMouseEvent* AEvent) override;
    void keyPressEvent(QKeyEvent* AEvent) override;

private:
    void SetBevelInner(TPanelBevel ABevel);

    TColor FColor;
    int FBevelWidth = 1;
    TPanelBevel FBevelInner = TPanelBevel::bvNone;
    int FTag = 0;
};
