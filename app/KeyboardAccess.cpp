#include "app/KeyboardAccess.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>

namespace {

// The menu bar answers Alt alone only under a style that asks for it.
class TAltKeyMenuStyle : public QProxyStyle {
public:
    int styleHint(StyleHint AHint, const QStyleOption* AOption, const QWidget* AWidget,
                  QStyleHintReturn* AReturn) const override {
        if (AHint == SH_MenuBar_AltKeyNavigation) {
            return 1;
        }
        return QProxyStyle::styleHint(AHint, AOption, AWidget, AReturn);
    }
};

// F10 is Alt pressed and released alone, as the menu bar sees it.
void ToggleKeyboardMode(QMenuBar* AMenuBar) {
    QWidget* window = AMenuBar->window();
    QKeyEvent pressed(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(window, &pressed);
    QKeyEvent released(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &released);
}

class TImmediateMnemonic : public QObject {
public:
    explicit TImmediateMnemonic(QAbstractButton* AButton) : QObject(AButton) {}

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override {
        auto* button = static_cast<QAbstractButton*>(AWatched);
        if (AEvent->type() == QEvent::Shortcut && button->isEnabled() &&
            !static_cast<QShortcutEvent*>(AEvent)->isAmbiguous()) {
            button->click();
            return true;
        }
        return false;
    }
};

} // namespace

void EnableMenuBarKeys(QMenuBar* AMenuBar) {
    auto* style = new TAltKeyMenuStyle;
    style->setParent(AMenuBar);
    AMenuBar->setStyle(style);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), AMenuBar->window());
    // Once the key has been handled: the menu bar takes no keys while a
    // shortcut is being dispatched.
    QObject::connect(
        f10, &QShortcut::activated, AMenuBar, [AMenuBar] { ToggleKeyboardMode(AMenuBar); },
        Qt::QueuedConnection);
}

void ClickAtOnceOnMnemonic(QAbstractButton* AButton) {
    AButton->installEventFilter(new TImmediateMnemonic(AButton));
}
