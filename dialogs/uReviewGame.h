#pragma once
// The review of a finished game: every turn with the hand written and the line
// chosen, each decision beside the advisor's best one and the expected total it
// cost, and the sum under the list.

#include "advisor/AdviceText.h"
#include "advisor/GameReview.h"
#include "dialogs/uDialogAncestor.h"

class QLabel;
class QTreeWidget;
class TSpokenNotice;

class TfrmReviewGame : public TfrmDialogAncestor {
    Q_OBJECT

public:
    static constexpr int kHelpContext = kAdvisorHelpTopic;

    TfrmReviewGame(QWidget* AOwner, const TGameReview& AReview);

    QTreeWidget* tvwTurns;
    QLabel* lblSummary;

    // The first row as a screen reader reads it: each cell after its column's name.
    QString FirstRowText() const;

protected:
    void FormShow() override;

private:
    TSpokenNotice* FNotice;
};
