#include "app/AdvisorPanel.h"

#include "advisor/AdviceText.h"
#include "advisor/GameReview.h"
#include "app/Accessibility.h"
#include "dialogs/uReviewGame.h"
#include "game/GameSession.h"
#include "platform/Application.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>

namespace {

// The frame stands this far outside a die, less below, where the key label starts.
constexpr int kMarkMargin = 5;
constexpr int kMarkMarginBelow = 1;

} // namespace

TAdvisorPanel::TAdvisorPanel(QWidget* AParent, IAdvisorSource& AAdvisor, TGameSession& ASession,
                             const std::array<QWidget*, 5>& ADice, IAnnouncer* AAnnouncer)
    : QWidget(AParent), FAdvisor(AAdvisor), FSession(ASession), FAnnouncer(AAnnouncer) {
    setObjectName(QStringLiteral("pnlAdvisor"));
    setGeometry(21, 272, 226, 110);

    lblAdvice = new QLabel(this);
    lblAdvice->setObjectName(QStringLiteral("lblAdvice"));
    lblAdvice->setTextFormat(Qt::PlainText);
    lblAdvice->setWordWrap(true);
    lblAdvice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblAdvice->setGeometry(0, 0, 226, 80);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    lblAdvice->setFont(font);

    pbrAdvisor = new QProgressBar(this);
    pbrAdvisor->setObjectName(QStringLiteral("pbrAdvisor"));
    pbrAdvisor->setGeometry(0, 84, 226, 18);
    pbrAdvisor->setRange(0, 100);
    pbrAdvisor->hide();

    // A frame around each die to keep, over the die and its neighbours' gap; it
    // lets every click through to the die below.
    for (std::size_t i = 0; i < ADice.size(); ++i) {
        auto* mark = new QFrame(ADice[i]->parentWidget());
        mark->setObjectName(QStringLiteral("shpKeep%1").arg(i + 1));
        mark->setGeometry(
            ADice[i]->geometry().adjusted(-kMarkMargin, -kMarkMargin, kMarkMargin, kMarkMargin));
        mark->setStyleSheet(QStringLiteral(
            "QFrame { border: 3px solid #e07000; border-radius: 8px; background: transparent; }"));
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        SkipInAccessibleTree(mark); // a picture of the hint, which the text says
        mark->hide();
        FKeepMarks[i] = mark;
    }

    // Called from the event loop, and it may open the review.
    FAdvisor.OnChanged = [this] { Application::Guarded([this] { AdvisorChanged(); }); };
}

TAdvisorPanel::~TAdvisorPanel() {
    FAdvisor.OnChanged = nullptr;
}

namespace {

// The advice depends on the dice, the roll count and the sheet, not on the holds.
bool SameTurnPosition(const TTurnPosition& A, const TTurnPosition& B) {
    return A.Dice == B.Dice && A.RollCount == B.RollCount && A.Sheet.Cells == B.Sheet.Cells;
}

} // namespace

bool TAdvisorPanel::TableReady() {
    FAdvisor.Request();
    if (FAdvisor.Ready()) {
        return true;
    }
    AdvisorChanged();
    if (FPendingHint || FReviewWaiting) {
        Announce(tr(kMsgWorking));
    }
    return false;
}

void TAdvisorPanel::ShowHint() {
    if (FSession.GameOver()) {
        ShowText(tr(kMsgNoHintAfterGame));
        return;
    }
    if (!FSession.ConfirmHint()) {
        return;
    }
    FPendingHint = FSession.Position();
    if (TableReady()) {
        ShowAdvice();
    }
}

void TAdvisorPanel::ShowAdvice() {
    FPendingHint.reset();
    const TTurnPosition position = FSession.Position();
    const TAdvice advice = FAdvisor.Advise(position);
    const TAdviceOption* choice = HintChoice(advice);
    if (!choice) {
        return;
    }
    FSession.MarkHintShown();
    ShowText(QString::fromStdString(HintText(advice, position.Dice)));
    FKept = KeptFaceCounts(
        position.Dice, choice->Kind == TAdviceKind::Roll ? choice->Keep : std::array<bool, 5>{});
    MarkDice(KeepPositions(position, *FKept));
}

void TAdvisorPanel::ShowReview() {
    if (!FSession.GameOver()) {
        ShowText(tr(kMsgReviewAtEnd));
        return;
    }
    FReviewWaiting = true;
    if (TableReady()) {
        OpenReview();
    }
}

void TAdvisorPanel::OpenReview() {
    FReviewWaiting = false;
    const TGameReview review = ReviewGame(FSession.Record(), FAdvisor);
    TfrmReviewGame dialog(window(), review);
    dialog.exec();
}

void TAdvisorPanel::PositionChanged() {
    Follow(FSession.Position());
}

void TAdvisorPanel::HoldChanging(int ATag, bool AHeld) {
    TTurnPosition position = FSession.Position();
    if (ATag >= 1 && ATag <= 5) {
        position.Held[static_cast<std::size_t>(ATag - 1)] = AHeld;
    }
    Follow(position);
}

void TAdvisorPanel::Follow(const TTurnPosition& APosition) {
    if (pbrAdvisor->isVisible() || (lblAdvice->text().isEmpty() && !FKept)) {
        return; // the progress stays until the table is ready
    }
    // A new game may start at the very same position; its first hint asks again.
    if (!SameTurnPosition(APosition, FShownAt) || (FKept && !FSession.HintShown())) {
        ShowText({});
    } else if (FKept) {
        MarkDice(KeepPositions(APosition, *FKept));
    }
}

void TAdvisorPanel::AdvisorChanged() {
    if (const std::string failure = FAdvisor.Failure(); !failure.empty()) {
        pbrAdvisor->hide();
        if (FPendingHint || FReviewWaiting) {
            FPendingHint.reset();
            FReviewWaiting = false;
            ShowText(tr(kMsgFailed).arg(QString::fromStdString(failure)));
        }
        return;
    }
    if (FAdvisor.Ready()) {
        pbrAdvisor->hide();
        if (FPendingHint) {
            // Shown by itself only where it was asked for.
            if (SameTurnPosition(*FPendingHint, FSession.Position())) {
                ShowAdvice();
            } else {
                FPendingHint.reset();
                ShowText({});
            }
        } else if (FReviewWaiting) {
            ShowText({});
            // Opened by itself for the game it was asked for, unless another
            // dialog is in the way: then it waits for the next request.
            if (!FSession.GameOver()) {
                FReviewWaiting = false;
            } else if (QApplication::activeModalWidget()) {
                FReviewWaiting = false;
                ShowText(tr(kMsgReady));
            } else {
                OpenReview();
            }
        }
        return;
    }
    if (!FPendingHint && !FReviewWaiting) {
        return;
    }
    FKept.reset();
    MarkDice({});
    lblAdvice->setText(tr(kMsgWorking));
    // In steps of 5 %: each change of the bar is an event a screen reader
    // works through, and one per percent kept Orca too busy to answer keys.
    pbrAdvisor->setValue(static_cast<int>(FAdvisor.Progress() * 20.0) * 5);
    pbrAdvisor->show();
}

void TAdvisorPanel::ShowText(const QString& AText) {
    ShowNote(AText);
    Announce(AText);
}

void TAdvisorPanel::ShowNote(const QString& AText) {
    lblAdvice->setText(AText);
    FShownAt = FSession.Position();
    FKept.reset();
    MarkDice({});
}

void TAdvisorPanel::Announce(const QString& AText) {
    if (FAnnouncer && !AText.isEmpty()) {
        FAnnouncer->Announce(AText.toStdString());
    }
}

void TAdvisorPanel::MarkDice(const std::array<bool, 5>& AKeep) {
    for (std::size_t i = 0; i < FKeepMarks.size(); ++i) {
        FKeepMarks[i]->setVisible(AKeep[i]);
    }
}
