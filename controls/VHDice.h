#pragma once
// The die control: one die with its face value, its held flag and a roll of its
// own. TVHCustomDice holds the game-facing state and events; TVHDice paints it,
// either as a flat face in three colours or from the die pictures.

#include "game/GameInterfaces.h"
#include "platform/TColor.h"

#include <QWidget>

#include <cstdint>
#include <functional>

// Stored as a plain byte: a value read back from the settings may lie outside the
// enumeration, and such a die paints nothing.
enum TDiceStyle : std::uint8_t { ds2D = 0, ds3D = 1 };

class TVHCustomDice;

using TOnShuffle = std::function<void(int DiceValue, TVHCustomDice* Sender)>;
using THoldDiceEvent = std::function<void(bool Held, TVHCustomDice* Sender)>;
using TDiceNotifyEvent = std::function<void(TVHCustomDice* Sender)>;

class TVHCustomDice : public QWidget, public IDie {
    Q_OBJECT

public:
    explicit TVHCustomDice(QWidget* AParent = nullptr);

    int DiceValue() const override { return FDiceValue; }
    void SetDiceValue(int AValue) override;
    bool Held() const override { return FHeld; }
    // Raises OnHold with the old value before the change is stored.
    void SetHeld(bool AHeld) override;
    // Draws a new value from the shared generator unless the die is held.
    void Shuffle() override;

    int Tag() const { return FTag; }
    void SetTag(int ATag) { FTag = ATag; }

    TDiceNotifyEvent OnClick;
    THoldDiceEvent OnHold;
    TOnShuffle OnBeforeShuffle;
    TOnShuffle OnAfterShuffle;

protected:
    friend class TVHDiceAccessible; // presses the die for a screen reader

    // Raises OnClick, then toggles Held. An exception from OnClick leaves Held as it was.
    virtual void Click();

    void mousePressEvent(QMouseEvent* AEvent) override;
    void mouseReleaseEvent(QMouseEvent* AEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* AEvent) override;

private:
    int FDiceValue = 6;
    bool FHeld = false;
    int FTag = 0;
    bool FLeftPressed = false;
};

class TVHDice : public TVHCustomDice {
    Q_OBJECT

public:
    explicit TVHDice(QWidget* AParent = nullptr);

    TColor DiceColor() const { return FDiceColor; }
    void SetDiceColor(TColor AColor);
    TColor HeldColor() const { return FHeldColor; }
    void SetHeldColor(TColor AColor);
    TColor PipColor() const { return FPipColor; }
    void SetPipColor(TColor AColor);
    TDiceStyle DiceStyle() const { return FDiceStyle; }
    void SetDiceStyle(TDiceStyle AStyle);

    QSize sizeHint() const override { return {70, 70}; }

protected:
    void paintEvent(QPaintEvent* AEvent) override;

private:
    void Paint2D(QPainter& APainter) const;
    void Paint3D(QPainter& APainter) const;

    TColor FDiceColor = 0x00FFFFFF;
    TColor FHeldColor = 0x00E4E4E4;
    TColor FPipColor = 0x00000000;
    TDiceStyle FDiceStyle = ds2D;
};
