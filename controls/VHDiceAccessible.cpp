#include "controls/VHDiceAccessible.h"

#include "controls/VHDice.h"
#include "platform/Application.h"

TVHDiceAccessible::TVHDiceAccessible(TVHCustomDice* ADice)
    : QAccessibleWidget(ADice, QAccessible::CheckBox) {}

TVHCustomDice* TVHDiceAccessible::Dice() const {
    return static_cast<TVHCustomDice*>(widget());
}

QString TVHDiceAccessible::text(QAccessible::Text AText) const {
    if (AText == QAccessible::Name) {
        return DiceAccessibleName(Dice()->Tag(), Dice()->DiceValue());
    }
    return QAccessibleWidget::text(AText);
}

QAccessible::State TVHDiceAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = Dice()->Held();
    return state;
}

QStringList TVHDiceAccessible::actionNames() const {
    return {pressAction(), toggleAction()};
}

void TVHDiceAccessible::doAction(const QString& AAction) {
    if (AAction == pressAction() || AAction == toggleAction()) {
        // Refused like a mouse click: before the first roll the error box says why.
        Application::Guarded([this] { Dice()->Click(); });
    }
}

QAccessibleInterface* TVHDiceAccessible::Factory(const QString&, QObject* AObject) {
    if (auto* dice = qobject_cast<TVHCustomDice*>(AObject)) {
        return new TVHDiceAccessible(dice);
    }
    return nullptr;
}

QString DiceAccessibleName(int ATag, int AValue) {
    if (ATag >= 1 && ATag <= 5) {
        return TVHDice::tr("Die %1, %2").arg(ATag).arg(AValue);
    }
    return TVHDice::tr("Die, %1").arg(AValue);
}
