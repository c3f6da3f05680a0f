#include "platform/SpokenNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <mutex>

namespace {

QAccessibleInterface* NoticeFactory(const QString&, QObject* AObject) {
    if (auto* notice = qobject_cast<TSpokenNotice*>(AObject)) {
        return new QAccessibleWidget(notice, QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

TSpokenNotice::TSpokenNotice(QWidget* AParent) : QWidget(AParent) {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(&NoticeFactory); });
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A real extent, as some readers pass over objects without one.
    setGeometry(0, 0, 1, 1);
    // Shown with its first text: an empty notification says "notification".
    hide();
}

void TSpokenNotice::Say(const QString& AText) {
    setAccessibleName(AText);
    if (isHidden()) {
        show();
    } else {
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}
