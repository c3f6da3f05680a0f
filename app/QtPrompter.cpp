#include "QtPrompter.h"

#include "uInputQuery.h"

#include <QMessageBox>

bool TQtPrompter::AskYesNo(const std::string& AText, std::optional<TPoint> ATopLeft) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                    QString::fromStdString(AText), QMessageBox::Yes | QMessageBox::No, FOwner);
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

void TQtPrompter::ShowInformation(const std::string& AText) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                    QString::fromStdString(AText), QMessageBox::Ok, FOwner);
    box.exec();
}
