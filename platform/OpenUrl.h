#pragma once
// Opens an address with the program the desktop has registered for it.

#include <QString>

// The maker's home page, opened from the Help menu and the About box.
inline const QString HomePageUrl = QStringLiteral("https://www.varnholt.example/tolmir");

// Hands AUrl to the desktop. Whether anything opens is up to the desktop: a
// failure is not reported.
void OpenUrl(const QString& AUrl);
