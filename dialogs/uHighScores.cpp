#include "uHighScores.h"

#include <QPushButton>

TfrmHighScores::TfrmHighScores(QWidget* AOwner) : TfrmDialogAncestor(AOwner) {
    setWindowTitle(QStringLiteral("High Scores"));
    SetClientSize(353, 249);
    SetHelpContext(300);

    lvwHighScores = new TVHHighScoreListView(this);
    lvwHighScores->setObjectName(QStringLiteral("lvwHighScores"));
    lvwHighScores->setGeometry(8, 8, 337, 193);
    lvwHighScores->setAccessibleName(QStringLiteral("High scores"));
    lvwHighScores->SetReadOnly(true);
    lvwHighScores->SetRegKeySoftware("Software");
    lvwHighScores->SetRegKeyCompany("Varnholt");
    lvwHighScores->SetRegKeyAppName("Tolmir");

    btnOk->move(91, btnOk->y());
    btnHelp->move(183, btnHelp->y());
    // Without a Cancel button the dialog has no cancel role: Escape does nothing,
    // the close box still closes it.
    btnCancel->move(268, btnCancel->y());
    btnCancel->hide();
    setTabOrder(btnOk, lvwHighScores);
    setTabOrder(lvwHighScores, btnHelp);
}

void TfrmHighScores::FormShow() {
    lvwHighScores->setFocus();
}

void TfrmHighScores::FormClose() {
    lvwHighScores->SaveToRegistry();
}
