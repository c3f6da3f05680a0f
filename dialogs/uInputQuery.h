#pragma once
// The one-line prompt used for the player's name.

#include "dialogs/uDialogAncestor.h"

class QLabel;
class QLineEdit;

class TfrmInputQuery : public TfrmDialogAncestor {
    Q_OBJECT

public:
    explicit TfrmInputQuery(QWidget* AOwner = nullptr);

    QLabel* Label1;
    QLineEdit* Edit1;

protected:
    void FormShow() override;
};

// Shows the prompt modally with AValue in the edit field. On Ok the text is
// copied back into AValue exactly as typed and the result is true; otherwise
// AValue is left alone. An empty ACaption shows the application's title.
// ASpokenNote is read by a screen reader with the field and never shown.
bool ShowInputQuery(const QString& APrompt, QString& AValue, const QString& ACaption,
                    const QString& ASpokenNote = QString());
