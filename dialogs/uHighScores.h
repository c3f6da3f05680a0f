#pragma once
// The high scores dialog: shows the stored table and stores it again whenever it
// closes. One instance lives for the whole run and is shown again and again.

#include "VHListView.h"
#include "uDialogAncestor.h"

class TfrmHighScores : public TfrmDialogAncestor {
    Q_OBJECT

public:
    explicit TfrmHighScores(QWidget* AOwner = nullptr);

    TVHHighScoreListView* lvwHighScores;

protected:
    void FormShow() override;
    void FormClose() override;
};
