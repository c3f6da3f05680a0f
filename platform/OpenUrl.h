#pragma once
// Opens an address with the program the desktop has registered for it.

#include "platform/TolmirVersion.h"

#include <QString>

// The maker's home page, opened from the Help menu and the About box.
inline const QString HomePageUrl = QString::fromUtf8(TolmirVersion::HomePage);

// Hands AUrl to the desktop. Whether anything opens is up to the desktop: a
// failure is not reported.
void OpenUrl(const QString& AUrl);
