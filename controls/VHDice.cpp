#include "controls/VHDice.h"

#include "controls/VHDiceAccessible.h"
#include "game/DieFaces.h"
#include "game/Random.h"
#include "platform/Application.h"
#include "platform/Resources.h"

#include <QAccessible>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <mutex>

TVHCustomDice::TVHCustomDice(QWidget* AParent) : QWidget(AParent) {
    static std::once_flag accessible;
    std::call_once(accessible, [] { QAccessible::installFactory(&TVHDiceAccessible::Factory); });
    // The die paints only its face; whatever it leaves shows the parent.
    setAutoFillBackground(false);
}

void TVHCustomDice::SetDiceValue(int AValue) {
    if (AValue == FDiceValue || AValue < 1 || AValue > 6) {
        return;
    }
    FDiceValue = AValue;
    update();
    // Its value is part of the die's accessible name.
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void TVHCustomDice::SetHeld(bool AHeld) {
    if (AHeld == FHeld) {
        return;
    }
    // The handler sees the old value, both as its argument and in Held().
    if (OnHold) {
        OnHold(FHeld, this);
    }
    FHeld = AHeld;
    update();
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void TVHCustomDice::Shuffle() {
    if (FHeld) {
        return;
    }
    if (OnBeforeShuffle) {
        OnBeforeShuffle(FDiceValue, this);
    }
    SetDiceValue(RandomDieValue());
    if (OnAfterShuffle) {
        OnAfterShuffle(FDiceValue, this);
    }
}

void TVHCustomDice::Click() {
    if (OnClick) {
        OnClick(this);
    }
    SetHeld(!FHeld);
}

void TVHCustomDice::mousePressEvent(QMouseEvent* AEvent) {
    Application::Guarded([this, AEvent] {
        if (AEvent->button() == Qt::LeftButton) {
            FLeftPressed = true;
        } else {
            QWidget::mousePressEvent(AEvent);
        }
    });
}

void TVHCustomDice::mouseReleaseEvent(QMouseEvent* AEvent) {
    Application::Guarded([this, AEvent] {
        if (AEvent->button() != Qt::LeftButton) {
            QWidget::mouseReleaseEvent(AEvent);
            return;
        }
        // Like a push button: the click counts only when released over the die.
        const QPointF at = AEvent->position();
        const bool over = rect().contains(static_cast<int>(std::floor(at.x())),
                                          static_cast<int>(std::floor(at.y())));
        const bool clicked = FLeftPressed && over;
        FLeftPressed = false;
        if (clicked) {
            Click();
        }
    });
}

void TVHCustomDice::mouseDoubleClickEvent(QMouseEvent* AEvent) {
    // The second press of a double click is not a click: the first one already
    // toggled the die. QWidget's default would treat it as another press.
    Application::Guarded([AEvent] {
        if (AEvent->button() != Qt::LeftButton) {
            AEvent->ignore();
        }
    });
}

namespace {

// A pip's centre in pixels (15, 35 or 55) and its half width: each pip covers
// the 14 x 14 pixels from its centre less 7.
constexpr int kPipCentre0 = 15;
constexpr int kPipSpacing = 20;
constexpr int kPipHalf = 7;

// A (left, top, right, bottom) box with the right and bottom edges excluded, as
// the rectangle QPainter strokes with a 1-pixel pen over exactly those pixels.
QRect OutlineBox(int ALeft, int ATop, int ARight, int ABottom) {
    return {ALeft, ATop, ARight - ALeft - 1, ABottom - ATop - 1};
}

// The rounded face (0, 0, 70, 70) with corners of a 10 x 10 ellipse, in the current
// pen and brush. QPainter's own rounded rectangle is not symmetric without
// antialiasing, so each corner is a quarter of a (symmetric) 10 x 10 ellipse and the
// straight edges and the inside are drawn between them.
void DrawFace(QPainter& APainter) {
    constexpr int kSize = 70;
    constexpr int kCorner = 10;
    constexpr int kFar = kSize - kCorner;
    for (const int x : {0, kFar}) {
        for (const int y : {0, kFar}) {
            APainter.drawEllipse(OutlineBox(x, y, x + kCorner, y + kCorner));
        }
    }
    // The inner halves of the corner ellipses lie under these two bands.
    const QBrush face = APainter.brush();
    constexpr int kHalf = kCorner / 2;
    APainter.fillRect(kHalf, 1, kSize - 2 * kHalf, kSize - 2, face);
    APainter.fillRect(1, kHalf, kSize - 2, kSize - 2 * kHalf, face);
    APainter.drawLine(kHalf, 0, kSize - 1 - kHalf, 0);
    APainter.drawLine(kHalf, kSize - 1, kSize - 1 - kHalf, kSize - 1);
    APainter.drawLine(0, kHalf, 0, kSize - 1 - kHalf);
    APainter.drawLine(kSize - 1, kHalf, kSize - 1, kSize - 1 - kHalf);
}

} // namespace

TVHDice::TVHDice(QWidget* AParent) : TVHCustomDice(AParent) {
    resize(70, 70);
}

void TVHDice::SetDiceColor(TColor AColor) {
    if (AColor != FDiceColor) {
        FDiceColor = AColor;
        update();
    }
}

void TVHDice::SetHeldColor(TColor AColor) {
    if (AColor != FHeldColor) {
        FHeldColor = AColor;
        update();
    }
}

void TVHDice::SetPipColor(TColor AColor) {
    if (AColor != FPipColor) {
        FPipColor = AColor;
        update();
    }
}

void TVHDice::SetDiceStyle(TDiceStyle AStyle) {
    if (AStyle != FDiceStyle) {
        FDiceStyle = AStyle;
        update();
    }
}

void TVHDice::paintEvent(QPaintEvent* /*AEvent*/) {
    Application::Guarded([this] {
        QPainter painter(this);
        switch (FDiceStyle) {
        case ds2D:
            Paint2D(painter);
            break;
        case ds3D:
            Paint3D(painter);
            break;
        default:
            break; // an unknown style shows only the parent
        }
    });
}

void TVHDice::Paint2D(QPainter& APainter) const {
    // Fixed pixel geometry without antialiasing: the face does not follow the size.
    APainter.setPen(QPen(Qt::black, 1));
    APainter.setBrush(TColorToQColor(Held() ? FHeldColor : FDiceColor));
    DrawFace(APainter);
    APainter.setBrush(TColorToQColor(FPipColor));
    for (const int pip : PipPlacesOf(DiceValue())) {
        const TPipPlace& place = kPipPlaces.at(static_cast<std::size_t>(pip));
        const int x = kPipCentre0 + kPipSpacing * place.Column;
        const int y = kPipCentre0 + kPipSpacing * place.Row;
        APainter.drawEllipse(OutlineBox(x - kPipHalf, y - kPipHalf, x + kPipHalf, y + kPipHalf));
    }
}

void TVHDice::Paint3D(QPainter& APainter) const {
    // Loaded on every paint: the pictures are small and the dice rarely repaint.
    const QString name = (Held() ? QStringLiteral("HELDDICE") : QStringLiteral("DICE")) +
                         QString::number(DiceValue());
    QImage picture;
    if (picture.loadFromData(LoadResourceData(name))) {
        APainter.drawImage(0, 0, picture);
    }
}
