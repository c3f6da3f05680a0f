#include "platform/OpenUrl.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

void OpenUrl(const QString& AUrl, QWidget* AOwner) {
    const QUrl url = QUrl::fromUserInput(AUrl);
    if (!url.isValid() || QDesktopServices::openUrl(url)) {
        return;
    }
    QMessageBox box(QMessageBox::Information, QCoreApplication::translate("OpenUrl", "Information"),
                    QCoreApplication::translate("OpenUrl",
                                                "The page could not be opened: no web "
                                                "browser was found.\n\nIts address is %1")
                        .arg(url.toString()),
                    QMessageBox::Ok, AOwner);
    // The address can be selected and copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}
