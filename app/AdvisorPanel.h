#pragma once
// The advisor in the main window: a line under the roll button that shows the
// best move on request, frames around the dice to keep, the progress while the
// table is computed, and the review at the end of a game. The game itself is
// untouched: the dice, the holds and the sheet stay as they are.

#include "AdvisorSource.h"
#include "GameInterfaces.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QProgressBar;
class TGameSession;

class TAdvisorPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kMsgNoHintAfterGame =
        "The game is over: Game, Review Game shows where the points went.";
    static constexpr const char* kMsgReviewAtEnd =
        "The review is there once all eleven lines are written.";
    static constexpr const char* kMsgReady =
        "The advisor is ready: ask again for the hint or the review.";
    static constexpr const char* kMsgWorking =
        "The advisor is working out the best moves; the game goes on meanwhile.";
    // %1: what went wrong.
    static constexpr const char* kMsgFailed =
        "The advisor could not work out the best moves (%1); ask again to retry.";

    // AParent is the window's client area, ADice the five dice inside their frame.
    // What the panel shows is also said to a screen reader through AAnnouncer.
    TAdvisorPanel(QWidget* AParent, IAdvisorSource& AAdvisor, TGameSession& ASession,
                  const std::array<QWidget*, 5>& ADice, IAnnouncer* AAnnouncer = nullptr);
    ~TAdvisorPanel() override;

    void ShowHint();
    void ShowReview();
    // The player acted: a move shown for the old position no longer applies.
    void PositionChanged();

    QLabel* lblAdvice;
    QProgressBar* pbrAdvisor;
    std::array<QFrame*, 5> FKeepMarks{};

private:
    bool TableReady();
    void AdvisorChanged();
    void ShowText(const QString& AText);
    void Announce(const QString& AText);
    void MarkDice(const std::array<bool, 5>& AKeep);

    IAdvisorSource& FAdvisor;
    TGameSession& FSession;
    IAnnouncer* FAnnouncer;
    bool FWaiting = false; // a request waits for the table
};
