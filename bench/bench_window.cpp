// The main window: its construction with the settings load, the roll's own
// work and a full repaint in both dice styles. The window gets silent sound,
// a prompter that answers Yes and a clock that moves on one second per read,
// so that every roll draws new dice as a player's rolls do.

#include "bench/Budget.h"

#include "app/ScoreGrid.h"
#include "app/uMain.h"
#include "controls/VHDice.h"
#include "game/GameSession.h"
#include "tests/support/MainWindowParts.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QPixmap>
#include <QWindow>

#include <memory>

namespace {

class TSilentSound : public ISoundPlayer {
public:
    void PlayWaveResource(const std::string&) override {}
};

class TYesPrompter : public IPrompter {
public:
    bool AskYesNo(const std::string&, std::optional<TPoint>) override { return true; }
    bool InputQuery(const std::string&, std::string&, const std::string&,
                    const std::string&) override {
        return false;
    }
};

class TSteppingClock : public IClock {
public:
    TSystemTime UtcTimeOfDay() const override {
        FSecond = (FSecond + 1) % (24 * 3600);
        return {FSecond / 3600, FSecond / 60 % 60, FSecond % 60, 0};
    }

private:
    mutable int FSecond = 12 * 3600;
};

// Counts the paint events a widget receives.
class TPaintCounter : public QObject {
public:
    int Count = 0;

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override {
        if (AEvent->type() == QEvent::Paint) {
            ++Count;
        }
        return QObject::eventFilter(AWatched, AEvent);
    }
};

struct TWindowRig {
    TSilentSound Sound;
    TYesPrompter Prompter;
    TSteppingClock Clock;

    std::unique_ptr<TfrmMain> Create() {
        return std::make_unique<TfrmMain>(TfrmMainServices{&Prompter, &Sound, &Clock});
    }

    // A window on the (offscreen) screen, painted once.
    std::unique_ptr<TfrmMain> CreateShown() {
        std::unique_ptr<TfrmMain> window = Create();
        window->show();
        const QDeadlineTimer deadline(5000);
        while (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
               !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        QCoreApplication::processEvents();
        return window;
    }
};

void BM_MainWindowCreate(benchmark::State& AState) {
    TWindowRig rig;
    // A first window stores the eight settings as it goes, so that each window
    // below loads a complete store.
    rig.Create().reset();
    for (auto _ : AState) {
        std::unique_ptr<TfrmMain> window = rig.Create();
        AState.PauseTiming();
        window.reset();
        AState.ResumeTiming();
    }
}

// Each timed step is one roll: new dice, totals, hints and the processing of
// pending events that the roll itself asks for. After the third roll of a turn
// a new game (outside the timed region) puts the dice back to six, so every roll
// is one that the game accepts. On a hidden window that processing paints
// nothing: the figure is the roll's own work. On a shown window it includes the
// repaint of the dice, the counters and the score column with its hints.
void Roll(benchmark::State& AState, bool AShown) {
    TWindowRig rig;
    const std::unique_ptr<TfrmMain> window = AShown ? rig.CreateShown() : rig.Create();
    TGameSession& session = window->Session();
    TPaintCounter paints;
    Part<TScoreGrid>(*window, "grdScore")->viewport()->installEventFilter(&paints);
    std::int64_t rolls = 0;
    for (auto _ : AState) {
        session.btnBrasserClick();
        ++rolls;
        if (session.RollCount() == 3) {
            AState.PauseTiming();
            session.mniNouvellePartieClick();
            QCoreApplication::processEvents();
            AState.ResumeTiming();
        }
    }
    // Every roll shows new hints, so a shown grid paints at least once per roll.
    if (AShown && paints.Count < rolls) {
        AState.SkipWithError("the roll did not repaint the score grid");
    }
    if (session.Hand() == TDiceHand{}) {
        AState.SkipWithError("the roll drew no dice");
    }
}

void BM_Roll(benchmark::State& AState) {
    Roll(AState, false);
}

void BM_RollShown(benchmark::State& AState) {
    Roll(AState, true);
}

void Repaint(benchmark::State& AState, TDiceStyle AStyle) {
    TWindowRig rig;
    const std::unique_ptr<TfrmMain> window = rig.CreateShown();
    for (TVHDice* die : window->AllDice()) {
        die->SetDiceStyle(AStyle);
    }
    window->Session().btnBrasserClick(); // dice faces and hints to paint
    QPixmap image;
    for (auto _ : AState) {
        image = window->grab();
    }
    if (image.size() != window->size()) {
        AState.SkipWithError("the window did not paint");
    }
}

void BM_Repaint2D(benchmark::State& AState) {
    Repaint(AState, ds2D);
}

void BM_Repaint3D(benchmark::State& AState) {
    Repaint(AState, ds3D);
}

} // namespace

[[maybe_unused]] static auto* const kMainWindowCreate =
    RegisterBudgeted("MainWindowCreate", BM_MainWindowCreate, kNoBudget)
        -> Unit(benchmark::kMillisecond);
[[maybe_unused]] static auto* const kRoll =
    RegisterBudgeted("Roll", BM_Roll, 100'000) -> Unit(benchmark::kMicrosecond);
[[maybe_unused]] static auto* const kRollShown =
    RegisterBudgeted("RollShown", BM_RollShown, 5'000'000) -> Unit(benchmark::kMicrosecond);
[[maybe_unused]] static auto* const kRepaint2D =
    RegisterBudgeted("Repaint2D", BM_Repaint2D, 5'000'000) -> Unit(benchmark::kMicrosecond);
[[maybe_unused]] static auto* const kRepaint3D =
    RegisterBudgeted("Repaint3D", BM_Repaint3D, 5'000'000) -> Unit(benchmark::kMicrosecond);
