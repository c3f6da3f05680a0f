#pragma once
// What a screen reader is told about a die: a toggle named by its hold key and its
// value ("Die 1, 5"), checked while the die is held, described by its tooltip.
// It is a check box because screen readers on Linux speak a check box's state when
// the player moves to it, and Qt 6.4 sends a checkable button to them as a plain
// push button. Pressing it is a click on the die.

#include <QAccessibleWidget>

class TVHCustomDice;

class TVHDiceAccessible : public QAccessibleWidget {
public:
    explicit TVHDiceAccessible(TVHCustomDice* ADice);

    QString text(QAccessible::Text AText) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& AAction) override;

    // Installed once, by the first die created.
    static QAccessibleInterface* Factory(const QString& AClassName, QObject* AObject);

private:
    TVHCustomDice* Dice() const;
};

// "Die 1, 5" for the die on key F1 showing 5; "Die, 5" for a die without a key.
QString DiceAccessibleName(int ATag, int AValue);
