#pragma once
// The advisor in the main window: a line under the roll button that shows the
// best move on request, frames around the dice to keep, the progress while the
// table is computed, and the review at the end of a game. The game itself is
// untouched: the dice, the holds and the sheet stay as they are. What is shown
// stays until the dice, the roll count or the sheet change; the frames follow
// the holds.

#include "advisor/AdvisorSource.h"
#include "game/GameInterfaces.h"

#include <QWidget>

#include <array>
#include <optional>

class QFrame;
class QLabel;
class QProgressBar;
class TGameSession;

class TAdvisorPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kMsgNoHintAfterGame = QT_TRANSLATE_NOOP(
        "TAdvisorPanel", "The game is over: Game, Review Game shows where the points went.");
    static constexpr const char* kMsgReviewAtEnd = QT_TRANSLATE_NOOP(
        "TAdvisorPanel", "The review is there once all eleven lines are written.");
    // The review was asked for while another dialog was open.
    static constexpr const char* kMsgReady =
        QT_TRANSLATE_NOOP("TAdvisorPanel", "The advisor is ready: ask again for the review.");
    static constexpr const char* kMsgWorking = QT_TRANSLATE_NOOP(
        "TAdvisorPanel", "The advisor is working out the best moves; the game goes on meanwhile.");
    // %1: what went wrong.
    static constexpr const char* kMsgFailed = QT_TRANSLATE_NOOP(
        "TAdvisorPanel", "The advisor could not work out the best moves (%1); ask again to retry.");

    // AParent is the window's client area, ADice the five dice inside their frame.
    // What the panel shows is also said to a screen reader through AAnnouncer.
    TAdvisorPanel(QWidget* AParent, IAdvisorSource& AAdvisor, TGameSession& ASession,
                  const std::array<QWidget*, 5>& ADice, IAnnouncer* AAnnouncer = nullptr);
    ~TAdvisorPanel() override;

    // Asks once per game whether to show hints; the hint then appears at once,
    // or by itself when the table is ready if the position is still the same.
    void ShowHint();
    void ShowReview();
    // The game may have moved on: what was shown for another position goes,
    // and the frames follow the held dice.
    void PositionChanged();
    // Die ATag (1..5) is about to be held (AHeld true) or released.
    void HoldChanging(int ATag, bool AHeld);
    // Shows a text of the game's own, which it has said itself, in the
    // advisor's place; it goes as the advisor's texts do.
    void ShowNote(const QString& AText);

    QLabel* lblAdvice;
    QProgressBar* pbrAdvisor;
    std::array<QFrame*, 5> FKeepMarks{};

private:
    bool TableReady();
    void AdvisorChanged();
    void ShowAdvice();
    void OpenReview();
    void Follow(const TTurnPosition& APosition);
    void ShowText(const QString& AText);
    void Announce(const QString& AText);
    void MarkDice(const std::array<bool, 5>& AKeep);

    IAdvisorSource& FAdvisor;
    TGameSession& FSession;
    IAnnouncer* FAnnouncer;
    std::optional<TTurnPosition> FPendingHint; // a hint request waits for the table there
    bool FReviewWaiting = false;               // a review request waits for the table
    TTurnPosition FShownAt;                    // where the text shown was given
    std::optional<std::array<int, 6>> FKept;   // a hint's dice to keep, per face 1..6
};
