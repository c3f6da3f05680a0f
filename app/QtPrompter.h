#pragma once
// Questions as information boxes with Yes and No, and the name prompt.

#include "game/GameInterfaces.h"

class QWidget;

class TQtPrompter : public IPrompter {
public:
    explicit TQtPrompter(QWidget* AOwner) : FOwner(AOwner) {}
    bool AskYesNo(const std::string& AText, std::optional<TPoint> ATopLeft) override;
    bool InputQuery(const std::string& APrompt, std::string& AValue, const std::string& ACaption,
                    const std::string& ASpokenNote) override;
    void ShowInformation(const std::string& AText) override;

private:
    QWidget* FOwner;
};
