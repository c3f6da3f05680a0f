#include "uMain.h"

#include "Accessibility.h"
#include "AdviceText.h"
#include "AdvisorPanel.h"
#include "AdvisorService.h"
#include "AnsweringSoundPlayer.h"
#include "Application.h"
#include "KeyboardAccess.h"
#include "LabelFit.h"
#include "MainSettings.h"
#include "OpenUrl.h"
#include "QtPrompter.h"
#include "ScoreGrid.h"
#include "ScoreSheet.h"
#include "SessionAdapters.h"
#include "SystemClock.h"
#include "TColor.h"
#include "VHDice.h"
#include "VHRegistry.h"
#include "WindowPlacement.h"
#include "uAboutBox.h"
#include "uDiceOptions.h"
#include "uHighScores.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

constexpr int kDiceLeft = 15;
constexpr int kDiceStep = 88;
constexpr int kHelpTopicMain = 5;

QFont PixelFont(const QString& AFamily, int APixels) {
    QFont font(AFamily);
    font.setPixelSize(APixels);
    return font;
}

// A label at its place in the layout, in its parent's font unless given one.
// When that font is wider than the one the layout was made for (a substitute
// for a Windows font), the label grows to the right to show its whole caption,
// as an auto-sized label does.
QLabel* MakeLabel(QWidget* AParent, const QString& AName, const QString& ACaption, QRect AGeometry,
                  const QFont* AFont = nullptr) {
    auto* label = new QLabel(ACaption, AParent);
    label->setObjectName(AName);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (AFont != nullptr) {
        label->setFont(*AFont);
    }
    SetLabelGeometry(label, AGeometry);
    return label;
}

} // namespace

TfrmMain::TfrmMain(const TfrmMainServices& AServices) : QMainWindow(nullptr) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Application::Title);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(PixelFont(QStringLiteral("Verdana"), 13));
    setAttribute(Qt::WA_AlwaysShowToolTips);

    // The settings store exists with its defaults while the form is built.
    VHRegistry1 = std::make_unique<TVHRegistry>("frmMain", "VHRegistry1");
    VHRegistry1->SetRegKeyCompany("Varnholt");
    VHRegistry1->SetRegKeyAppName("Tolmir");
    AddMainSettings(*VHRegistry1);
    VHRegistry1->OnReadItemsFromRegistry = [this](TVHRegistry& s) {
        VHRegistry1ReadItemsFromRegistry(s);
    };

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    BuildControls(client);
    auto* announcer = new TAnnouncer(client);
    DescribeMainWindow(*this);
    BuildMenus();
    EnableMenuBarKeys(menuBar());
    ClickAtOnceOnMnemonic(btnBrasser);
    setFixedSize(kOuterWidth - 2 * kFrameBorder, kOuterHeight - 2 * kFrameBorder - kCaptionHeight);

    IPrompter* prompter = AServices.Prompter;
    if (!prompter) {
        FDefaultPrompter = std::make_unique<TQtPrompter>(this, announcer);
        prompter = FDefaultPrompter.get();
    }
    ISoundPlayer* sound = AServices.Sound;
    if (!sound) {
        FDefaultSound = std::make_unique<TAnsweringSoundPlayer>();
        sound = FDefaultSound.get();
    }
    const IClock* clock = AServices.Clock;
    if (!clock) {
        FDefaultClock = std::make_unique<TSystemClock>();
        clock = FDefaultClock.get();
    }
    FHighScoreEntry = MakeHighScoreEntry([this] { return FHighScoresForm; });
    FSessionSettings = MakeSessionSettings(*VHRegistry1);
    TGameSessionParts parts;
    parts.Dice = {dice1, dice2, dice3, dice4, dice5};
    parts.Sheet = grdScore;
    parts.View = this;
    parts.Prompter = prompter;
    parts.Sound = sound;
    parts.Settings = FSessionSettings.get();
    parts.HighScores = FHighScoreEntry.get();
    parts.Clock = clock;
    parts.Announcer = announcer;
    FSession = std::make_unique<TGameSession>(parts);

    // The advisor's table is only loaded or computed when a hint or review asks for it.
    IAdvisorSource* advisor = AServices.Advisor;
    if (!advisor) {
        FDefaultAdvisor = std::make_unique<TAdvisorService>();
        advisor = FDefaultAdvisor.get();
    }
    pnlAdvisor = new TAdvisorPanel(centralWidget(), *advisor, *FSession,
                                   {dice1, dice2, dice3, dice4, dice5}, announcer);

    // The form is built: the store loads the registry and hands the look to the dice.
    VHRegistry1->Loaded();
    FormCreate();
    Application::SetScoreHintsHandler([this] { DrawScoreHints(); });
}

TfrmMain::~TfrmMain() {
    Application::SetScoreHintsHandler({});
    // The settings are written first: nothing that goes after them (the
    // advisor's worker) can hold them up. Nothing reads them from here on.
    VHRegistry1.reset();
    // The panel lets go of the advisor before the advisor of its own goes.
    delete pnlAdvisor;
}

void TfrmMain::BuildControls(QWidget* AClient) {
    pnlJuboHand = new QGroupBox(AClient);
    pnlJuboHand->setObjectName(QStringLiteral("pnlJuboHand"));
    pnlJuboHand->setGeometry(21, 16, 452, 122);

    std::array<TVHDice*, 5> dice{};
    std::array<QLabel*, 5> held{};
    for (int i = 0; i < 5; ++i) {
        const int left = kDiceLeft + kDiceStep * i;
        auto* die = new TVHDice(pnlJuboHand);
        die->setObjectName(QStringLiteral("dice%1").arg(i + 1));
        die->setGeometry(left, 32, 70, 70);
        die->SetTag(i + 1);
        die->SetHeldColor(14597308);
        die->setToolTip(QStringLiteral("Press F%1 to hold/unhold").arg(i + 1));
        die->OnClick = [this](TVHCustomDice* s) { DiceClick(s); };
        die->OnHold = [this](bool h, TVHCustomDice* s) { DiceHold(h, s); };
        dice[static_cast<std::size_t>(i)] = die;

        FKeyLabels[static_cast<std::size_t>(i)] =
            MakeLabel(pnlJuboHand, QStringLiteral("Label%1").arg(i + 1),
                      QStringLiteral("F%1").arg(i + 1), QRect(left + 29, 103, 16, 16));
        QLabel* hold = MakeLabel(pnlJuboHand, QStringLiteral("lblHold%1").arg(i + 1),
                                 QStringLiteral("Held"), QRect(left + 21, 12, 28, 16));
        hold->setProperty("Tag", i + 1);
        hold->hide();
        held[static_cast<std::size_t>(i)] = hold;
    }
    dice1 = dice[0];
    dice2 = dice[1];
    dice3 = dice[2];
    dice4 = dice[3];
    dice5 = dice[4];
    lblHold1 = held[0];
    lblHold2 = held[1];
    lblHold3 = held[2];
    lblHold4 = held[3];
    lblHold5 = held[4];

    btnBrasser = new QPushButton(QStringLiteral("&Roll Dice"), AClient);
    btnBrasser->setObjectName(QStringLiteral("btnBrasser"));
    btnBrasser->setGeometry(68, 207, 146, 45);
    btnBrasser->setFont(PixelFont(QStringLiteral("Verdana"), 16));
    // Enter and Return roll too while the button has the focus, as Space does.
    btnBrasser->setAutoDefault(true);
    connect(btnBrasser, &QPushButton::clicked, this,
            [this] { RunAction([this] { btnBrasserClick(); }); });

    grdScore = new TScoreGrid(AClient);
    grdScore->setObjectName(QStringLiteral("grdScore"));
    grdScore->setGeometry(258, 156, 136, 351);
    QFont hintFont = PixelFont(QStringLiteral("Comic Sans MS"), 16);
    hintFont.setItalic(true);
    grdScore->HintFont = hintFont;
    grdScore->HintColor = [this] {
        return TColorToQColor(
            static_cast<TColor>(SettingInteger(*VHRegistry1, Setting::ScoreHintColor)));
    };
    grdScore->HintFor = [this](int c, int r) { return HintFor(c, r); };
    grdScore->OnMouseDown = [this](Qt::MouseButton b, int x, int y) {
        RunAction([this, b, x, y] { grdScoreMouseDown(b, x, y); });
    };
    grdScore->OnMouseUp = [this](Qt::MouseButton b, int x, int y) { grdScoreMouseUp(b, x, y); };

    const QFont tahoma = PixelFont(QStringLiteral("Tahoma"), 13);
    lblTotalCaption = MakeLabel(AClient, QStringLiteral("lblTotalCaption"),
                                QStringLiteral("Hand Total:"), QRect(66, 162, 108, 19), &tahoma);
    lblTotalCount = MakeLabel(AClient, QStringLiteral("lblTotalCount"), QStringLiteral("0"),
                              QRect(144, 162, 26, 19), &tahoma);
    lblCoupsCaption = MakeLabel(AClient, QStringLiteral("lblCoupsCaption"),
                                QStringLiteral("Rolls:"), QRect(170, 162, 36, 19), &tahoma);
    lblShuffleCount = MakeLabel(AClient, QStringLiteral("lblShuffleCount"), QStringLiteral("0"),
                                QRect(208, 162, 26, 19), &tahoma);

    // Tab order: the dice frame, the roll button, the grid.
    pnlJuboHand->setFocusPolicy(Qt::NoFocus);
    setTabOrder(btnBrasser, grdScore);
}

void TfrmMain::BuildMenus() {
    auto action = [this](QMenu* AMenu, const QString& AName, const QString& ACaption,
                         const QKeySequence& AShortcut, auto AHandler) {
        QAction* item = AMenu->addAction(ACaption);
        item->setObjectName(AName);
        item->setShortcut(AShortcut);
        // Menu shortcuts win over everything else in the window, F1 included.
        item->setShortcutContext(Qt::WindowShortcut);
        connect(item, &QAction::triggered, this,
                [this, AHandler] { RunAction([this, AHandler] { (this->*AHandler)(); }); });
        return item;
    };

    mniFichier = menuBar()->addMenu(QStringLiteral("File"));
    mniFichier->setObjectName(QStringLiteral("mniFichier"));
    mniNouvellePartie =
        action(mniFichier, QStringLiteral("mniNouvellePartie"), QStringLiteral("New Game"),
               QKeySequence(Qt::CTRL | Qt::Key_N), &TfrmMain::mniNouvellePartieClick);
    mniBestScores =
        action(mniFichier, QStringLiteral("mniBestScores"), QStringLiteral("High Scores"),
               QKeySequence(), &TfrmMain::mniBestScoresClick);
    mniQuitter = action(mniFichier, QStringLiteral("mniQuitter"), QStringLiteral("Quit"),
                        QKeySequence(), &TfrmMain::mniQuitterClick);

    jeu = menuBar()->addMenu(QStringLiteral("Game"));
    jeu->setObjectName(QStringLiteral("jeu"));
    mniUndo = action(jeu, QStringLiteral("mniUndo"), QStringLiteral("Undo"),
                     QKeySequence(Qt::CTRL | Qt::Key_Z), &TfrmMain::mniUndoClick);
    jeu->addSeparator()->setObjectName(QStringLiteral("N1"));

    struct GameItem {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        int tag;
    };
    const std::array<GameItem, 16> items = {{
        {"N11", "Hold 1", QKeySequence(Qt::Key_F1), 1},
        {"N21", "Hold 2", QKeySequence(Qt::Key_F2), 2},
        {"N31", "Hold 3", QKeySequence(Qt::Key_F3), 3},
        {"N41", "Hold 4", QKeySequence(Qt::Key_F4), 4},
        {"N551", "Hold 5", QKeySequence(Qt::Key_F5), 5},
        {"N12", "1", QKeySequence(Qt::CTRL | Qt::Key_F1), 11},
        {"N22", "2", QKeySequence(Qt::CTRL | Qt::Key_F2), 12},
        {"N32", "3", QKeySequence(Qt::CTRL | Qt::Key_F3), 13},
        {"N42", "4", QKeySequence(Qt::CTRL | Qt::Key_F4), 14},
        {"N51", "5", QKeySequence(Qt::CTRL | Qt::Key_F5), 15},
        {"N61", "6", QKeySequence(Qt::CTRL | Qt::Key_F6), 16},
        {"Straight1", "Straight", QKeySequence(Qt::CTRL | Qt::Key_S), 17},
        {"Full1", "Full", QKeySequence(Qt::CTRL | Qt::Key_F), 18},
        {"Haut1", "High", QKeySequence(Qt::CTRL | Qt::Key_H), 19},
        {"Bas1", "Low", QKeySequence(Qt::CTRL | Qt::Key_L), 20},
        {"Jubo1", "Jubo", QKeySequence(Qt::CTRL | Qt::Key_J), 21},
    }};
    for (std::size_t i = 0; i < items.size(); ++i) {
        QAction* item = jeu->addAction(QString::fromLatin1(items[i].caption));
        item->setObjectName(QString::fromLatin1(items[i].name));
        item->setShortcut(items[i].shortcut);
        item->setShortcutContext(Qt::WindowShortcut);
        item->setData(items[i].tag);
        const int tag = items[i].tag;
        connect(item, &QAction::triggered, this,
                [this, tag] { RunAction([this, tag] { mniJeuClick(tag); }); });
        FGameItems[i] = item;
    }
    jeu->addSeparator()->setObjectName(QStringLiteral("N2"));
    mniHint = action(jeu, QStringLiteral("mniHint"), QStringLiteral("Hint"),
                     QKeySequence(Qt::CTRL | Qt::Key_I), &TfrmMain::mniHintClick);
    mniReviewGame = action(jeu, QStringLiteral("mniReviewGame"), QStringLiteral("Review Game"),
                           QKeySequence(), &TfrmMain::mniReviewGameClick);
    for (QAction* item : {mniHint, mniReviewGame}) {
        item->setProperty("helpContext", kAdvisorHelpTopic);
    }
    connect(jeu, &QMenu::aboutToShow, this,
            [this] { mniReviewGame->setEnabled(FSession->GameOver()); });

    mniOptions = menuBar()->addMenu(QStringLiteral("Options"));
    mniOptions->setObjectName(QStringLiteral("mniOptions"));
    mniGameOptions =
        action(mniOptions, QStringLiteral("mniGameOptions"), QStringLiteral("Game Options"),
               QKeySequence(), &TfrmMain::mniGameOptionsClick);

    mniAide = menuBar()->addMenu(QStringLiteral("Help"));
    mniAide->setObjectName(QStringLiteral("mniAide"));
    mniHelp = action(mniAide, QStringLiteral("mniHelp"), QStringLiteral("Help"), QKeySequence(),
                     &TfrmMain::mniHelpClick);
    Varnholtontheweb1 =
        action(mniAide, QStringLiteral("Varnholtontheweb1"), QStringLiteral("Varnholt Home Page"),
               QKeySequence(), &TfrmMain::Varnholtontheweb1Click);
    mniAPropos = action(mniAide, QStringLiteral("mniAPropos"), QStringLiteral("About..."),
                        QKeySequence(), &TfrmMain::mniAProposClick);
}

void TfrmMain::FormCreate() {
    HideGridSelection();
    FSession->LabelSheet();
}

void TfrmMain::VHRegistry1ReadItemsFromRegistry(TVHRegistry& ASender) {
    const int stored = SettingInteger(ASender, Setting::DiceStyle);
    // Only 2 and 3 name a style; anything else from a damaged store paints flat dice.
    const TDiceStyle style = (stored == 3) ? ds3D : ds2D;
    const auto color = [&](const char* AName) {
        return static_cast<TColor>(SettingInteger(ASender, AName));
    };
    for (TVHDice* die : AllDice()) {
        die->SetDiceStyle(style);
        die->SetDiceColor(color(Setting::DiceColor));
        die->SetHeldColor(color(Setting::HeldColor));
        die->SetPipColor(color(Setting::PipColor));
    }
}

std::vector<TVHDice*> TfrmMain::AllDice() const {
    return {dice1, dice2, dice3, dice4, dice5};
}

void TfrmMain::showEvent(QShowEvent* AEvent) {
    QMainWindow::showEvent(AEvent);
    if (!FCentred) {
        FCentred = true;
        // Until the window system reports the frame, the one assumed for the
        // layout stands in for it.
        PlaceByFrame(this, [this](const QSize& AFrame) {
            const QScreen* screen = this->screen();
            if (screen == nullptr) {
                return pos();
            }
            const QSize outer = AFrame == size() ? QSize(kOuterWidth, kOuterHeight) : AFrame;
            return CentredTopLeft(screen->availableGeometry().center(), outer);
        });
        btnBrasser->setFocus();
    }
}

void TfrmMain::changeEvent(QEvent* AEvent) {
    QMainWindow::changeEvent(AEvent);
    if (AEvent->type() == QEvent::ActivationChange && isActiveWindow()) {
        Application::Guarded([this] { FormActivate(); });
    }
}

void TfrmMain::FormActivate() {
    DrawScoreHints();
}

void TfrmMain::CloseWithoutQuestion() {
    FCloseWithoutQuestion = true;
    close();
}

void TfrmMain::RunAction(std::function<void()> AAction) {
    FWaitingActions.push_back(std::move(AAction));
    if (FActionUnderWay) {
        return; // the action under way runs it when it is done
    }
    FActionUnderWay = true;
    while (!FWaitingActions.empty()) {
        const std::function<void()> next = std::move(FWaitingActions.front());
        FWaitingActions.pop_front();
        Application::Guarded(next);
    }
    FActionUnderWay = false;
    if (FCloseWhenIdle) {
        FCloseWhenIdle = false;
        close();
    }
}

void TfrmMain::closeEvent(QCloseEvent* AEvent) {
    if (FActionUnderWay) {
        // Asked while a sound plays or a question is open: the window closes
        // (or asks whether to) once the action is over, not in its middle.
        FCloseWhenIdle = true;
        AEvent->ignore();
        return;
    }
    bool canClose = FCloseWithoutQuestion;
    if (!canClose) {
        Application::Guarded([&] { canClose = FormCloseQuery(); });
    }
    if (!canClose) {
        AEvent->ignore();
        return;
    }
    Application::Guarded([this] { FormClose(); });
    AEvent->accept();
}

bool TfrmMain::FormCloseQuery() {
    return FSession->FormCloseQuery();
}

void TfrmMain::FormClose() {
    SetSetting(*VHRegistry1, Setting::DiceStyle,
               TSettingValue(static_cast<int>(dice1->DiceStyle()) + 2));
    SetSetting(*VHRegistry1, Setting::DiceColor,
               TSettingValue(static_cast<int>(dice1->DiceColor())));
    SetSetting(*VHRegistry1, Setting::HeldColor,
               TSettingValue(static_cast<int>(dice1->HeldColor())));
    SetSetting(*VHRegistry1, Setting::PipColor, TSettingValue(static_cast<int>(dice1->PipColor())));
}

void TfrmMain::btnBrasserClick() {
    FSession->btnBrasserClick();
    pnlAdvisor->PositionChanged();
}

void TfrmMain::grdScoreMouseDown(Qt::MouseButton, int AX, int AY) {
    FSession->grdScoreMouseDown(AX, AY);
    pnlAdvisor->PositionChanged();
}

void TfrmMain::grdScoreMouseUp(Qt::MouseButton, int, int) {
    HideGridSelection();
    btnBrasser->setFocus();
}

void TfrmMain::DiceClick(TVHCustomDice* ASender) {
    FSession->DiceClick();
    // The die toggles itself once this handler has let the click through.
    FSession->AnnounceHold(ASender->Tag(), !ASender->Held());
}

void TfrmMain::DiceHold(bool AHeld, TVHCustomDice* ASender) {
    pnlAdvisor->HoldChanging(ASender->Tag(), !AHeld);
    const std::array<QLabel*, 5> labels = {lblHold1, lblHold2, lblHold3, lblHold4, lblHold5};
    const int tag = ASender->Tag();
    if (tag >= 1 && tag <= 5) {
        // The event comes before the change: the die is about to be held when AHeld is false.
        labels[static_cast<std::size_t>(tag - 1)]->setVisible(!AHeld);
    }
}

void TfrmMain::mniJeuClick(int ATag) {
    FSession->mniJeuClick(ATag);
    pnlAdvisor->PositionChanged();
}

void TfrmMain::mniUndoClick() {
    FSession->mniUndoClick();
    pnlAdvisor->PositionChanged();
}

void TfrmMain::mniHintClick() {
    pnlAdvisor->ShowHint();
}

void TfrmMain::mniReviewGameClick() {
    pnlAdvisor->ShowReview();
}

void TfrmMain::mniNouvellePartieClick() {
    FSession->mniNouvellePartieClick();
    pnlAdvisor->PositionChanged();
}

void TfrmMain::mniBestScoresClick() {
    if (!FHighScoresForm) {
        return;
    }
    FHighScoresForm->lvwHighScores->clear();
    FHighScoresForm->lvwHighScores->LoadFromRegistry();
    FHighScoresForm->exec();
}

void TfrmMain::mniQuitterClick() {
    close();
}

void TfrmMain::mniGameOptionsClick() {
    {
        TfrmDiceOptions dialog(this, AllDice(), *VHRegistry1);
        dialog.exec();
    }
    if (SettingBoolean(*VHRegistry1, Setting::ShowScoreHints)) {
        DrawScoreHints();
    } else {
        grdScore->viewport()->repaint();
    }
}

void TfrmMain::mniHelpClick() {
    Application::ShowHelpContext(kHelpTopicMain);
}

void TfrmMain::Varnholtontheweb1Click() {
    OpenUrl(HomePageUrl, this);
}

void TfrmMain::mniAProposClick() {
    TfrmAboutBox about(this);
    about.exec();
}

void TfrmMain::DrawScoreHints() {
    // The grid paints the hints of free lines itself (HintFor); asking it to
    // repaint shows them with the current hand, colour and setting.
    if (FSession->RollCount() > 0) {
        FSession->SortHand();
    }
    grdScore->viewport()->update();
    grdScore->SpokenTextsChanged();
}

std::optional<QString> TfrmMain::HintFor(int ACol, int ARow) const {
    if (!SettingBoolean(*VHRegistry1, Setting::ShowScoreHints) || FSession->RollCount() == 0 ||
        !FSession->IsFreeLine(ACol, ARow)) {
        return std::nullopt;
    }
    return QString::fromStdString(FSession->LineScore(ARow));
}

QRect TfrmMain::HintRect(int ACol, int ARow) const {
    return grdScore->HintRect(ACol, ARow);
}

void TfrmMain::HideGridSelection() {
    grdScore->SetSelection(10, 2, 11, 3);
}

void TfrmMain::ProcessPendingMessages() {
    // Paint the new dice now; input waits until the roll has finished.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmMain::ShowGameEnd(const std::string& AText) {
    pnlAdvisor->ShowNote(QString::fromStdString(AText));
}

void TfrmMain::SetTotalCountText(const std::string& AText) {
    lblTotalCount->setText(QString::fromStdString(AText));
    NameCounterByCaption(lblTotalCaption, lblTotalCount);
}

void TfrmMain::SetShuffleCountText(const std::string& AText) {
    lblShuffleCount->setText(QString::fromStdString(AText));
    NameCounterByCaption(lblCoupsCaption, lblShuffleCount);
    // Every roll, write and undo sets the counter: a hint for the position
    // before goes now, before the new dice are painted or a question is asked.
    pnlAdvisor->PositionChanged();
}

TFormBounds TfrmMain::FormBounds() const {
    const QRect frame = frameGeometry();
    return {frame.left(), frame.top(), kOuterWidth, kOuterHeight};
}
