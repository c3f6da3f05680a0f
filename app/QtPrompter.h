#pragma once
// Questions as information boxes with Yes and No, and the name prompt. What
// the announcer still has to say goes out before a question opens, so that a
// screen reader says what led to the question before the question.

#include "game/GameInterfaces.h"

class QWidget;
class TAnnouncer;

class TQtPrompter : public IPrompter {
public:
    explicit TQtPrompter(QWidget* AOwner, TAnnouncer* AAnnouncer = nullptr)
        : FOwner(AOwner), FAnnouncer(AAnnouncer) {}
    bool AskYesNo(const std::string& AText, std::optional<TPoint> ATopLeft) override;
    bool InputQuery(const std::string& APrompt, std::string& AValue, const std::string& ACaption,
                    const std::string& ASpokenNote) override;

private:
    void SayWhatLedHere();

    QWidget* FOwner;
    TAnnouncer* FAnnouncer;
};
