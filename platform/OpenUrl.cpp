#include "platform/OpenUrl.h"

#include <QDesktopServices>
#include <QUrl>

void OpenUrl(const QString& AUrl) {
    const QUrl url = QUrl::fromUserInput(AUrl);
    if (url.isValid()) {
        QDesktopServices::openUrl(url);
    }
}
