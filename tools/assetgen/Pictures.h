#pragma once
// The game's pictures, drawn in full colour; ImageFiles reduces them to 256 colours.

#include <QImage>

inline const QRgb kNavy = qRgb(32, 32, 64);
inline const QRgb kBlack = qRgb(0, 0, 0);

// A 70 x 70 die showing AValue (1..6): red on navy, or held: darker on black.
QImage DiePicture(int AValue, bool AHeld);

// The program icon at ASize x ASize, a red die on a transparent ground.
QImage IconPicture(int ASize);

// The 465 x 281 splash: five dice on a spotlit green oval, the title and the maker's notice.
QImage SplashPicture();

// The 160 x 120 About picture: the same dice on the oval, without text.
QImage AboutPicture();
