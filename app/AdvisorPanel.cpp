#include "AdvisorPanel.h"

#include "Accessibility.h"
#include "AdviceText.h"
#include "GameReview.h"
#include "GameSession.h"
#include "uReviewGame.h"

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

    FAdvisor.OnChanged = [this] { AdvisorChanged(); };
}

TAdvisorPanel::~TAdvisorPanel() {
    FAdvisor.OnChanged = nullptr;
}

bool TAdvisorPanel::TableReady() {
    if (FAdvisor.Ready()) {
        return true;
    }
    FWaiting = true;
    FAdvisor.Request();
    AdvisorChanged();
    if (FWaiting) {
        Announce(QString::fromLatin1(kMsgWorking));
    }
    return false;
}

void TAdvisorPanel::ShowHint() {
    if (FSession.GameOver()) {
        ShowText(QString::fromLatin1(kMsgNoHintAfterGame));
        return;
    }
    if (!TableReady()) {
        return;
    }
    const TTurnPosition position = FSession.Position();
    const TAdvice advice = FAdvisor.Advise(position);
    if (advice.Options.empty()) {
        return;
    }
    FSession.MarkHintShown();
    ShowText(QString::fromStdString(HintText(advice, position.Dice)));
    const TAdviceOption& best = advice.Best();
    MarkDice(best.Kind == TAdviceKind::Roll ? best.Keep : std::array<bool, 5>{});
}

void TAdvisorPanel::ShowReview() {
    if (!FSession.GameOver()) {
        ShowText(QString::fromLatin1(kMsgReviewAtEnd));
        return;
    }
    if (!TableReady()) {
        return;
    }
    const TGameReview review = ReviewGame(FSession.Record(), FAdvisor);
    TfrmReviewGame dialog(window(), review);
    dialog.exec();
}

void TAdvisorPanel::PositionChanged() {
    if (!pbrAdvisor->isVisible()) {
        ShowText({});
    }
}

void TAdvisorPanel::AdvisorChanged() {
    if (const std::string failure = FAdvisor.Failure(); !failure.empty()) {
        pbrAdvisor->hide();
        if (FWaiting) {
            FWaiting = false;
            ShowText(QString::fromLatin1(kMsgFailed).arg(QString::fromStdString(failure)));
        }
        return;
    }
    if (FAdvisor.Ready()) {
        pbrAdvisor->hide();
        if (FWaiting) {
            FWaiting = false;
            ShowText(QString::fromLatin1(kMsgReady));
        }
        return;
    }
    if (!FWaiting) {
        return;
    }
    MarkDice({});
    lblAdvice->setText(QString::fromLatin1(kMsgWorking));
    pbrAdvisor->setValue(static_cast<int>(FAdvisor.Progress() * 100.0));
    pbrAdvisor->show();
}

void TAdvisorPanel::ShowText(const QString& AText) {
    lblAdvice->setText(AText);
    MarkDice({});
    Announce(AText);
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
