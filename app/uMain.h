#pragma once
// The main window: five dice, the roll button, the two counters and the score
// sheet, with the menus and shortcuts that drive the game session.

#include "game/GameSession.h"
#include "game/Random.h"

#include <QMainWindow>

#include <array>
#include <deque>
#include <functional>
#include <memory>

class IAdvisorSource;
class QAction;
class QGroupBox;
class QKeySequence;
class QLabel;
class QMenu;
class QPushButton;
class TAdvisorPanel;
class TAnnouncer;
class TScoreGrid;
class TVHCustomDice;
class TVHDice;
class TVHRegistry;
class TfrmHighScores;

// What the window uses from outside; tests replace these with fakes.
struct TfrmMainServices {
    IPrompter* Prompter = nullptr;     // default: message boxes and the name prompt
    ISoundPlayer* Sound = nullptr;     // default: the embedded WAV player
    const IClock* Clock = nullptr;     // default: the system clock
    IAdvisorSource* Advisor = nullptr; // default: the advisor's table with its cache file
};

class TfrmMain : public QMainWindow, private IGameView {
    Q_OBJECT

public:
    // The outer size of the window, frame included, and the frame assumed around
    // the client area (a fixed single border and a caption bar).
    static constexpr int kOuterWidth = 499;
    static constexpr int kOuterHeight = 580;
    static constexpr int kFrameBorder = 4;
    static constexpr int kCaptionHeight = 23;

    explicit TfrmMain(const TfrmMainServices& AServices = {});
    ~TfrmMain() override;

    // The high-score dialog lives beside the main window for the whole run.
    void SetHighScoresForm(TfrmHighScores* AForm) { FHighScoresForm = AForm; }

    // Closes the window as File, Quit does, without the question asked during a
    // game: for an end that nobody may be there to confirm (a system signal).
    void CloseWithoutQuestion();

    void DrawScoreHints() override;
    void HideGridSelection() override;
    QRect HintRect(int ACol, int ARow) const;
    // The hint a free line shows now, the same text that writing it would store.
    std::optional<QString> HintFor(int ACol, int ARow) const;

    TVHRegistry& Settings() { return *VHRegistry1; }
    std::vector<TVHDice*> AllDice() const;
    TGameSession& Session() { return *FSession; }

protected:
    void closeEvent(QCloseEvent* AEvent) override;
    void changeEvent(QEvent* AEvent) override;
    void showEvent(QShowEvent* AEvent) override;

private:
    // Names the window's parts for a screen reader.
    friend void DescribeMainWindow(TfrmMain& AForm);

    // Controls, named as on the form.
    QGroupBox* pnlJuboHand;
    TVHDice* dice1;
    TVHDice* dice2;
    TVHDice* dice3;
    TVHDice* dice4;
    TVHDice* dice5;
    std::array<QLabel*, 5> FKeyLabels{}; // Label1..Label5
    QLabel* lblHold1;
    QLabel* lblHold2;
    QLabel* lblHold3;
    QLabel* lblHold4;
    QLabel* lblHold5;
    TScoreGrid* grdScore;
    QPushButton* btnBrasser;
    QLabel* lblTotalCaption;
    QLabel* lblTotalCount;
    QLabel* lblCoupsCaption;
    QLabel* lblShuffleCount;

    QMenu* mniFichier;
    QAction* mniNouvellePartie;
    QAction* mniBestScores;
    QAction* mniQuitter;
    QMenu* jeu;
    QAction* mniUndo;
    std::array<QAction*, 16> FGameItems{}; // N11..Jubo1, in menu order
    QAction* mniHint;
    QAction* mniReviewGame;
    TAdvisorPanel* pnlAdvisor;
    QMenu* mniOptions;
    QAction* mniGameOptions;
    QMenu* mniAide;
    QAction* mniHelp;
    QAction* Varnholtontheweb1;
    QAction* mniAPropos;

    std::unique_ptr<TVHRegistry> VHRegistry1;

    void CreateSettings();
    void CreateSession(const TfrmMainServices& AServices, TAnnouncer* AAnnouncer);
    void BuildControls(QWidget* AClient);
    void BuildDice();
    void BuildScoreGrid(QWidget* AClient);
    void BuildMenus();
    QAction* AddMenuItem(QMenu* AMenu, const QString& AName, const QString& ACaption,
                         const QKeySequence& AShortcut, void (TfrmMain::*AHandler)());
    void BuildFileMenu();
    void BuildGameMenu();
    void BuildTaggedGameItems();
    void BuildOptionsMenu();
    void BuildHelpMenu();
    void FormCreate();
    void FormActivate();
    bool FormCloseQuery();
    void FormClose();
    void VHRegistry1ReadItemsFromRegistry(TVHRegistry& ASender);
    // Runs a player's action (a roll, a write, a menu command), or, while
    // another is under way, once that one is done. An action can come in the
    // middle of another: a sound or a question runs an event loop, in which the
    // accessibility bus may press a button or a screen reader hand back a key.
    void RunAction(std::function<void()> AAction);

    void btnBrasserClick();
    void grdScoreMouseDown(Qt::MouseButton AButton, int AX, int AY);
    void grdScoreMouseUp(Qt::MouseButton AButton, int AX, int AY);
    void DiceClick(TVHCustomDice* ASender);
    void DiceHold(bool AHeld, TVHCustomDice* ASender);
    void mniJeuClick(int ATag);
    void mniUndoClick();
    void mniHintClick();
    void mniReviewGameClick();
    void mniNouvellePartieClick();
    void mniBestScoresClick();
    void mniQuitterClick();
    void mniGameOptionsClick();
    void mniHelpClick();
    void Varnholtontheweb1Click();
    void mniAProposClick();

    // IGameView
    void ProcessPendingMessages() override;
    void SetTotalCountText(const std::string& AText) override;
    void SetShuffleCountText(const std::string& AText) override;
    void ShowGameEnd(const std::string& AText) override;
    TFormBounds FormBounds() const override;

    std::unique_ptr<IPrompter> FDefaultPrompter;
    std::unique_ptr<ISoundPlayer> FDefaultSound;
    std::unique_ptr<IClock> FDefaultClock;
    std::unique_ptr<IHighScoreEntry> FHighScoreEntry;
    std::unique_ptr<ISessionSettings> FSessionSettings;
    std::unique_ptr<IAdvisorSource> FDefaultAdvisor;
    std::unique_ptr<TGameSession> FSession;
    TfrmHighScores* FHighScoresForm = nullptr;
    bool FCentred = false;
    bool FCloseWithoutQuestion = false;
    bool FActionUnderWay = false;
    bool FCloseWhenIdle = false; // a close request came while an action was under way
    std::deque<std::function<void()>> FWaitingActions;
};
