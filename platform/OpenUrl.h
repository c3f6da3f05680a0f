#pragma once
// Opens an address with the program the desktop has registered for it.

#include "platform/TolmirVersion.h"

#include <QString>

class QWidget;

// The maker's home page, opened from the Help menu and the About box.
inline const QString HomePageUrl = QString::fromUtf8(TolmirVersion::HomePage);

// Hands AUrl to the desktop. When nothing can open it (no browser), an
// information box over AOwner gives the address, so that the player can open
// it some other way.
void OpenUrl(const QString& AUrl, QWidget* AOwner);
