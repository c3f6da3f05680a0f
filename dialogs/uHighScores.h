#pragma once
// The high scores dialog: shows the stored table; whenever it closes, the rows
// this run added are merged into the table as stored, which the list then shows.
// One instance lives for the whole run and is shown again and again.

#include "controls/VHListView.h"
#include "dialogs/uDialogAncestor.h"

class TfrmHighScores : public TfrmDialogAncestor {
    Q_OBJECT

public:
    explicit TfrmHighScores(QWidget* AOwner = nullptr);

    TVHHighScoreListView* lvwHighScores;

protected:
    void FormShow() override;
    void FormClose() override;
};
