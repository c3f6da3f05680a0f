#pragma once
// Keys that a Windows program answers by itself and Qt's widgets do not here:
// Alt alone and F10 put the keyboard on the menu bar, and a button's Alt+letter
// clicks it in the order of the keys.

class QAbstractButton;
class QMenuBar;

// Alt pressed and released alone, or F10, highlights the first menu without
// opening it; Left and Right move, Enter or Down opens, Escape or the same key
// again leaves. The captions stay as they are.
void EnableMenuBarKeys(QMenuBar* AMenuBar);

// The button's Alt+letter clicks it at once, as its Space does; Qt's own
// handling clicks a moment later, after keys pressed behind it. The focus
// stays where it is.
void ClickAtOnceOnMnemonic(QAbstractButton* AButton);
