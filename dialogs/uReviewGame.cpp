#include "dialogs/uReviewGame.h"

#include "advisor/AdviceText.h"
#include "game/TextNumbers.h"
#include "platform/SpokenNotice.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <array>
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

// The column headers, in the player's language.
QStringList Headers() {
    return {TfrmReviewGame::tr("Roll"), TfrmReviewGame::tr("Dice"), TfrmReviewGame::tr("Your move"),
            TfrmReviewGame::tr("Best move"), TfrmReviewGame::tr("Points lost")};
}

// One row: the turn or the roll, the dice, the choice made, the best one and the
// expected points it cost; a loss worth reading stands out. A screen reader
// reads each cell after its column's name ("Dice 2 2 5 5 3"), as it reads a
// row without the headers.
QTreeWidgetItem* AddRow(QTreeWidget* ATree, const QString& ARoll, const QString& ADice,
                        const QString& AYours, const std::string& ABest, double ALost) {
    auto* item = new QTreeWidgetItem(ATree);
    const QStringList headers = Headers();
    const QStringList texts = {ARoll, ADice, AYours, Text(ABest), Text(ExpectedText(ALost))};
    for (int column = colRoll; column <= colLost; ++column) {
        item->setText(column, texts[column]);
        if (column != colRoll) {
            item->setData(column, Qt::AccessibleTextRole,
                          headers[column] + QLatin1Char(' ') + texts[column]);
        }
    }
    item->setTextAlignment(colLost, Qt::AlignRight | Qt::AlignVCenter);
    if (ALost >= 0.05) {
        QFont font = item->font(colLost);
        font.setBold(true);
        item->setFont(colLost, font);
    }
    return item;
}

// The English widths; a longer header takes its room from the two move columns,
// which have the most to spare.
void SetColumnWidths(QTreeWidget* ATree) {
    std::array<int, colLost + 1> widths = {70, 80, 150, 150, 70};
    const auto needOf = [ATree](int AColumn) { return ATree->header()->sectionSizeHint(AColumn); };
    int extra = 0;
    for (int column = colRoll; column <= colLost; ++column) {
        const int need = needOf(column);
        if (column != colYours && column != colBest && need > widths[column]) {
            extra += need - widths[column];
            widths[column] = need;
        }
    }
    for (const int column : {colYours, colBest}) {
        const int need = needOf(column);
        widths[column] = std::max(need, widths[column] - (extra + 1) / 2);
    }
    for (int column = colRoll; column <= colLost; ++column) {
        ATree->setColumnWidth(column, widths[column]);
    }
}

} // namespace

TfrmReviewGame::TfrmReviewGame(QWidget* AOwner, const TGameReview& AReview)
    : TfrmDialogAncestor(AOwner) {
    setWindowTitle(tr("Review Game"));
    SetClientSize(kClientWidth, kClientHeight);
    SetHelpContext(kHelpContext);

    tvwTurns = new QTreeWidget(this);
    tvwTurns->setObjectName(QStringLiteral("tvwTurns"));
    tvwTurns->setAccessibleName(tr("Your moves and the best moves"));
    tvwTurns->setGeometry(8, 8, kClientWidth - 16, 348);
    tvwTurns->setHeaderLabels(Headers());
    // One flat list, a turn's row before the rows of its choices: a screen
    // reader reads no expanded or collapsed state into every cell.
    tvwTurns->setRootIsDecorated(false);
    tvwTurns->setSelectionMode(QAbstractItemView::NoSelection);
    tvwTurns->header()->setStretchLastSection(false);
    SetColumnWidths(tvwTurns);

    int number = 0;
    for (const TTurnReview& turn : AReview.Turns) {
        QTreeWidgetItem* row =
            AddRow(tvwTurns, tr("Turn %1").arg(++number), DiceText(turn.Hand),
                   tr("%1: %2").arg(Text(LineName(turn.Row)), Text(turn.Score)),
                   turn.Decisions.empty() ? std::string() : turn.Decisions.back().Best, turn.Lost);
        QFont font = row->font(colRoll);
        font.setBold(true);
        row->setFont(colRoll, font);
        for (const TDecisionReview& decision : turn.Decisions) {
            AddRow(tvwTurns, tr("Roll %1").arg(decision.Roll), DiceText(decision.Dice),
                   Text(decision.Chosen), decision.Best, decision.Lost);
        }
    }
    // The list has the focus first.
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

    FNotice = new TSpokenNotice(this);
}

QString TfrmReviewGame::FirstRowText() const {
    const QTreeWidgetItem* first = tvwTurns->topLevelItem(0);
    if (first == nullptr) {
        return {};
    }
    QStringList cells = {first->text(colRoll)};
    for (int column = colDice; column <= colLost; ++column) {
        cells << first->data(column, Qt::AccessibleTextRole).toString();
    }
    return cells.join(QStringLiteral(", "));
}

// The list opens on its first row, which a screen reader does not read with the
// list's name as the dialog appears: it is said once the dialog is on screen.
void TfrmReviewGame::FormShow() {
    if (const QString first = FirstRowText(); !first.isEmpty()) {
        QTimer::singleShot(0, FNotice, [this, first] { FNotice->Say(first); });
    }
}
