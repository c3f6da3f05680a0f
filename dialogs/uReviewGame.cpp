#include "uReviewGame.h"

#include "AdviceText.h"
#include "TextNumbers.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>

#include <span>

namespace {

constexpr int kClientWidth = 560;
constexpr int kClientHeight = 440;
constexpr int kButtonTop = 404;

enum TColumn : int { colRoll, colDice, colYours, colBest, colLost };

QString Text(const std::string& AText) {
    return QString::fromStdString(AText);
}

QString DiceText(std::span<const int> ADice) {
    return Text(JoinedNumbers(ADice));
}

// One row: the roll (or turn), the dice, the choice made, the best one and the
// expected points it cost; a loss worth reading stands out.
void FillRow(QTreeWidgetItem* AItem, const QString& ARoll, const QString& ADice,
             const QString& AYours, const std::string& ABest, double ALost) {
    AItem->setText(colRoll, ARoll);
    AItem->setText(colDice, ADice);
    AItem->setText(colYours, AYours);
    AItem->setText(colBest, Text(ABest));
    AItem->setText(colLost, Text(ExpectedText(ALost)));
    AItem->setTextAlignment(colLost, Qt::AlignRight | Qt::AlignVCenter);
    if (ALost >= 0.05) {
        QFont font = AItem->font(colLost);
        font.setBold(true);
        AItem->setFont(colLost, font);
    }
}

} // namespace

TfrmReviewGame::TfrmReviewGame(QWidget* AOwner, const TGameReview& AReview)
    : TfrmDialogAncestor(AOwner) {
    setWindowTitle(QStringLiteral("Review Game"));
    SetClientSize(kClientWidth, kClientHeight);
    SetHelpContext(kHelpContext);

    tvwTurns = new QTreeWidget(this);
    tvwTurns->setObjectName(QStringLiteral("tvwTurns"));
    tvwTurns->setAccessibleName(QStringLiteral("Your moves and the best moves"));
    tvwTurns->setGeometry(8, 8, kClientWidth - 16, 348);
    tvwTurns->setHeaderLabels({QStringLiteral("Roll"), QStringLiteral("Dice"),
                               QStringLiteral("Your move"), QStringLiteral("Best move"),
                               QStringLiteral("Points lost")});
    tvwTurns->setRootIsDecorated(true);
    tvwTurns->setSelectionMode(QAbstractItemView::NoSelection);
    tvwTurns->header()->setStretchLastSection(false);
    tvwTurns->setColumnWidth(colRoll, 70);
    tvwTurns->setColumnWidth(colDice, 80);
    tvwTurns->setColumnWidth(colYours, 150);
    tvwTurns->setColumnWidth(colBest, 150);
    tvwTurns->setColumnWidth(colLost, 70);

    int number = 0;
    for (const TTurnReview& turn : AReview.Turns) {
        auto* top = new QTreeWidgetItem(tvwTurns);
        FillRow(top, QStringLiteral("Turn %1").arg(++number), DiceText(turn.Hand),
                QStringLiteral("%1: %2").arg(Text(LineName(turn.Row)), Text(turn.Score)),
                turn.Decisions.empty() ? std::string() : turn.Decisions.back().Best, turn.Lost);
        for (const TDecisionReview& decision : turn.Decisions) {
            FillRow(new QTreeWidgetItem(top), QString::number(decision.Roll),
                    DiceText(decision.Dice), Text(decision.Chosen), decision.Best, decision.Lost);
        }
    }
    tvwTurns->expandAll();
    // The list has the focus first, on the first turn, so that a screen reader
    // starts reading there.
    tvwTurns->setCurrentItem(tvwTurns->topLevelItem(0));
    setTabOrder(tvwTurns, btnOk);
    setTabOrder(btnOk, btnHelp);
    tvwTurns->setFocus();

    lblSummary = new QLabel(Text(ReviewSummary(AReview)), this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setTextFormat(Qt::PlainText);
    lblSummary->setWordWrap(true);
    lblSummary->setGeometry(8, 362, kClientWidth - 16, 34);

    btnCancel->hide();
    // Escape closes the review as Ok does: there is nothing to cancel.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, btnOk, &QPushButton::click);
    btnOk->move(kClientWidth / 2 - 83, kButtonTop);
    btnHelp->move(kClientWidth / 2 + 8, kButtonTop);
    btnCancel->move(btnCancel->x(), kButtonTop);
}
