#include "QtPrompter.h"

#include "uInputQuery.h"

#include <QMessageBox>

bool TQtPrompter::AskYesNo(const std::string& AText, std::optional<TPoint> ATopLeft) {
    // Without a position the box takes the default one, the centre of the
    // screen; with an owner the toolkit would centre it over the owner instead.
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                    QString::fromStdString(AText), QMessageBox::Yes | QMessageBox::No,
                    ATopLeft ? FOwner : nullptr);
    if (ATopLeft) {
        box.move(ATopLeft->X, ATopLeft->Y);
    }
    return box.exec() == QMessageBox::Yes;
}

bool TQtPrompter::InputQuery(const std::string& APrompt, std::string& AValue,
                             const std::string& ACaption) {
    QString value = QString::fromStdString(AValue);
    if (!ShowInputQuery(QString::fromStdString(APrompt), value, QString::fromStdString(ACaption))) {
        return false;
    }
    AValue = value.toStdString();
    return true;
}
