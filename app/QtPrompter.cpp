#include "app/QtPrompter.h"

#include "app/Accessibility.h"
#include "dialogs/uInputQuery.h"
#include "platform/WindowPlacement.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QScreen>

namespace {

// A question box. Without a position it takes the default one, the centre of
// the screen: the toolkit would centre it over its owner instead, and before
// the box has its final size. So it is placed as it is shown, once sized.
class TQuestionBox : public QMessageBox {
public:
    TQuestionBox(const QString& AText, QWidget* AOwner)
        : QMessageBox(QMessageBox::Information,
                      QCoreApplication::translate("TQtPrompter", "Information"), AText,
                      QMessageBox::Yes | QMessageBox::No, AOwner) {}

    bool FCentreOnScreen = false;

protected:
    void showEvent(QShowEvent* AEvent) override {
        QMessageBox::showEvent(AEvent);
        if (FCentreOnScreen) {
            PlaceByFrame(this, [this](const QSize& AFrame) {
                const QScreen* screen = this->screen();
                return screen ? CentredTopLeft(screen->availableGeometry().center(), AFrame)
                              : pos();
            });
        }
    }
};

} // namespace

void TQtPrompter::SayWhatLedHere() {
    if (FAnnouncer) {
        FAnnouncer->SendNow();
    }
}

bool TQtPrompter::AskYesNo(const std::string& AText, std::optional<TPoint> ATopLeft) {
    SayWhatLedHere();
    TQuestionBox box(QString::fromStdString(AText), FOwner);
    if (ATopLeft) {
        box.move(ATopLeft->X, ATopLeft->Y);
    } else {
        box.FCentreOnScreen = true;
    }
    return box.exec() == QMessageBox::Yes;
}

bool TQtPrompter::InputQuery(const std::string& APrompt, std::string& AValue,
                             const std::string& ACaption, const std::string& ASpokenNote) {
    SayWhatLedHere();
    QString value = QString::fromStdString(AValue);
    if (!ShowInputQuery(QString::fromStdString(APrompt), value, QString::fromStdString(ACaption),
                        QString::fromStdString(ASpokenNote))) {
        return false;
    }
    AValue = value.toStdString();
    return true;
}
