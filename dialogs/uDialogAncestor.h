#pragma once
// The common base of the program's modal dialogs: a fixed-size frame with a close
// box, the dialog font, the Ok, Cancel and Help buttons along the bottom, help by
// context number (Help button and F1), and a request to the main window to redraw
// its score hints whenever a dialog is destroyed.

#include <QDialog>

class QPushButton;

// The results a closed dialog reports through ModalResult().
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

// Help context numbers of single controls, kept as the dynamic property
// "helpContext" so that any widget can carry one; 0 means none.
void SetHelpContext(QWidget* AWidget, int AContext);
int HelpContextOf(const QWidget* AWidget);

class TfrmDialogAncestor : public QDialog {
    Q_OBJECT

public:
    explicit TfrmDialogAncestor(QWidget* AOwner = nullptr);
    ~TfrmDialogAncestor() override;

    // The form's own help context, opened by the Help button and by F1 when no
    // control on the way from the focused one has a context of its own.
    int HelpContext() const { return HelpContextOf(this); }
    void SetHelpContext(int AContext) { ::SetHelpContext(this, AContext); }

    // mrOk or mrCancel after the last showing, mrNone while shown or before.
    TModalResult ModalResult() const { return FModalResult; }

    // The fixed size of the client area.
    void SetClientSize(int AWidth, int AHeight);

    void done(int AResult) override;

    QPushButton* btnOk;
    QPushButton* btnCancel;
    QPushButton* btnHelp;

protected:
    // Runs when btnOk is clicked, before the dialog closes with mrOk; an
    // exception leaves the dialog open.
    virtual void btnOkClick() {}
    void btnHelpClick();
    // Runs once for every closing, before the dialog is hidden.
    virtual void FormClose() {}
    // Runs every time the dialog is shown.
    virtual void FormShow() {}

    void showEvent(QShowEvent* AEvent) override;
    void keyPressEvent(QKeyEvent* AEvent) override;

private:
    void ShowFocusedHelp();
    void CenterOverOwner();

    TModalResult FModalResult = mrNone;
};
