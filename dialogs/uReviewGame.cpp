#include "dialogs/uReviewGame.h"

#include "advisor/AdviceText.h"
#include "game/TextNumbers.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>

namespace {

constexpr int kClientWidth = 560;
constexpr int kClientHeight = 440;
constexpr int kButtonTop = 404;

QString Text(const std::string& AText) {
    return QString::fromStdString(AText);
}

QString HandText(const TDiceHand& AHand) {
    return Text(JoinedNumbers(AHand));
}

// A loss worth reading stands out; the rest is plain.
void ShowLoss(QTreeWidgetItem* AItem, double ALost) {
    AItem->setText(3, Text(ExpectedText(ALost)));
    AItem->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    if (ALost >= 0.05) {
        QFont font = AItem->font(3);
        font.setBold(true);
        AItem->setFont(3, font);
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
    tvwTurns->setGeometry(8, 8, kClientWidth - 16, 348);
    tvwTurns->setHeaderLabels({QStringLiteral("Turn"), QStringLiteral("Decision"),
                               QStringLiteral("Best"), QStringLiteral("Lost")});
    tvwTurns->setRootIsDecorated(true);
    tvwTurns->setSelectionMode(QAbstractItemView::NoSelection);
    tvwTurns->header()->setStretchLastSection(false);
    tvwTurns->setColumnWidth(0, 60);
    tvwTurns->setColumnWidth(1, 250);
    tvwTurns->setColumnWidth(2, 160);
    tvwTurns->setColumnWidth(3, 50);

    int number = 0;
    for (const TTurnReview& turn : AReview.Turns) {
        auto* top = new QTreeWidgetItem(tvwTurns);
        top->setText(0, QString::number(++number));
        top->setText(1, QStringLiteral("%1 in %2: %3")
                            .arg(HandText(turn.Hand), Text(LineName(turn.Row)), Text(turn.Score)));
        if (!turn.Decisions.empty()) {
            top->setText(2, Text(turn.Decisions.back().Best));
        }
        ShowLoss(top, turn.Lost);
        for (const TDecisionReview& decision : turn.Decisions) {
            auto* child = new QTreeWidgetItem(top);
            child->setText(
                1, decision.Roll > 0
                       ? QStringLiteral("Roll %1: %2").arg(decision.Roll).arg(Text(decision.Chosen))
                       : Text(decision.Chosen));
            child->setText(2, Text(decision.Best));
            ShowLoss(child, decision.Lost);
        }
    }
    tvwTurns->expandAll();

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
