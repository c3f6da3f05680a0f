#include "app/uMain.h"

#include "advisor/AdviceText.h"
#include "app/Accessibility.h"
#include "app/AdvisorPanel.h"
#include "app/KeyboardAccess.h"
#include "app/QtPrompter.h"
#include "app/ScoreGrid.h"
#include "app/SessionAdapters.h"
#include "controls/DiceLook.h"
#include "controls/LabelFit.h"
#include "controls/VHDice.h"
#include "dialogs/uAboutBox.h"
#include "dialogs/uDiceOptions.h"
#include "dialogs/uHighScores.h"
#include "game/ScoreSheet.h"
#include "platform/AdvisorService.h"
#include "platform/AnsweringSoundPlayer.h"
#include "platform/Application.h"
#include "platform/OpenUrl.h"
#include "platform/SoundPlayer.h"
#include "platform/SystemClock.h"
#include "platform/TColor.h"
#include "platform/WindowPlacement.h"
#include "storage/MainSettings.h"
#include "storage/VHRegistry.h"

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
    CreateSettings();

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

    CreateSession(AServices, announcer);

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

void TfrmMain::CreateSettings() {
    VHRegistry1 = std::make_unique<TVHRegistry>("frmMain", "VHRegistry1");
    VHRegistry1->SetRegKeyCompany("Varnholt");
    VHRegistry1->SetRegKeyAppName("Tolmir");
    AddMainSettings(*VHRegistry1);
    VHRegistry1->OnReadItemsFromRegistry = [this](TVHRegistry& s) {
        VHRegistry1ReadItemsFromRegistry(s);
    };
}

// The session with the window's parts and the services given, or the real ones.
void TfrmMain::CreateSession(const TfrmMainServices& AServices, TAnnouncer* AAnnouncer) {
    IPrompter* prompter = AServices.Prompter;
    if (!prompter) {
        FDefaultPrompter = std::make_unique<TQtPrompter>(this, AAnnouncer);
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
    parts.Announcer = AAnnouncer;
    FSession = std::make_unique<TGameSession>(parts);
}

TfrmMain::~TfrmMain() {
    Application::SetScoreHintsHandler({});
    // The settings are written first: nothing that goes after them (the
    // advisor's worker) can hold them up. Nothing reads them from here on.
    VHRegistry1.reset();
    // The panel lets go of the advisor before the advisor of its own goes.
    delete pnlAdvisor;
}

void TfrmMain::BuildScoreGrid(QWidget* AClient) {
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
}

// The five dice in their frame, each with its key label and its Held label.
void TfrmMain::BuildDice() {
    std::array<TVHDice*, 5> dice{};
    std::array<QLabel*, 5> held{};
    for (int i = 0; i < 5; ++i) {
        const int left = kDiceLeft + kDiceStep * i;
        auto* die = new TVHDice(pnlJuboHand);
        die->setObjectName(QStringLiteral("dice%1").arg(i + 1));
        die->setGeometry(left, 32, 70, 70);
        die->SetTag(i + 1);
        die->SetHeldColor(14597308);
        die->setToolTip(tr("Press F%1 to hold/unhold").arg(i + 1));
        die->OnClick = [this](TVHCustomDice* s) { DiceClick(s); };
        die->OnHold = [this](bool h, TVHCustomDice* s) { DiceHold(h, s); };
        dice[static_cast<std::size_t>(i)] = die;

        FKeyLabels[static_cast<std::size_t>(i)] =
            MakeLabel(pnlJuboHand, QStringLiteral("Label%1").arg(i + 1),
                      QStringLiteral("F%1").arg(i + 1), QRect(left + 29, 103, 16, 16));
        QLabel* hold = MakeLabel(pnlJuboHand, QStringLiteral("lblHold%1").arg(i + 1), tr("Held"),
                                 QRect(left + 21, 12, 28, 16));
        // A caption that would stick out past its die is centred over it.
        if (hold->geometry().right() > die->geometry().right()) {
            hold->move(die->geometry().center().x() - hold->width() / 2, hold->y());
        }
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
}

void TfrmMain::BuildControls(QWidget* AClient) {
    pnlJuboHand = new QGroupBox(AClient);
    pnlJuboHand->setObjectName(QStringLiteral("pnlJuboHand"));
    pnlJuboHand->setGeometry(21, 16, 452, 122);

    BuildDice();

    btnBrasser = new QPushButton(tr("&Roll Dice"), AClient);
    btnBrasser->setObjectName(QStringLiteral("btnBrasser"));
    btnBrasser->setGeometry(68, 207, 146, 45);
    btnBrasser->setFont(PixelFont(QStringLiteral("Verdana"), 16));
    // Enter and Return roll too while the button has the focus, as Space does.
    btnBrasser->setAutoDefault(true);
    connect(btnBrasser, &QPushButton::clicked, this,
            [this] { RunAction([this] { btnBrasserClick(); }); });

    BuildScoreGrid(AClient);

    const QFont tahoma = PixelFont(QStringLiteral("Tahoma"), 13);
    lblTotalCaption = MakeLabel(AClient, QStringLiteral("lblTotalCaption"), tr("Hand Total:"),
                                QRect(66, 162, 108, 19), &tahoma);
    lblTotalCount = MakeLabel(AClient, QStringLiteral("lblTotalCount"), QStringLiteral("0"),
                              QRect(144, 162, 26, 19), &tahoma);
    lblCoupsCaption = MakeLabel(AClient, QStringLiteral("lblCoupsCaption"), tr("Rolls:"),
                                QRect(170, 162, 36, 19), &tahoma);
    lblShuffleCount = MakeLabel(AClient, QStringLiteral("lblShuffleCount"), QStringLiteral("0"),
                                QRect(208, 162, 26, 19), &tahoma);
    // Longer captions in another language move the counters, short of the sheet.
    FlowRow({lblTotalCaption, lblTotalCount, lblCoupsCaption, lblShuffleCount}, grdScore->x() - 8);

    // Tab order: the dice frame, the roll button, the grid.
    pnlJuboHand->setFocusPolicy(Qt::NoFocus);
    setTabOrder(btnBrasser, grdScore);
}

QAction* TfrmMain::AddMenuItem(QMenu* AMenu, const QString& AName, const QString& ACaption,
                               const QKeySequence& AShortcut, void (TfrmMain::*AHandler)()) {
    QAction* item = AMenu->addAction(ACaption);
    item->setObjectName(AName);
    item->setShortcut(AShortcut);
    // Menu shortcuts win over everything else in the window, F1 included.
    item->setShortcutContext(Qt::WindowShortcut);
    connect(item, &QAction::triggered, this,
            [this, AHandler] { RunAction([this, AHandler] { (this->*AHandler)(); }); });
    return item;
}

void TfrmMain::BuildMenus() {
    BuildFileMenu();
    BuildGameMenu();
    BuildOptionsMenu();
    BuildHelpMenu();
}

void TfrmMain::BuildFileMenu() {
    mniFichier = menuBar()->addMenu(tr("File"));
    mniFichier->setObjectName(QStringLiteral("mniFichier"));
    mniNouvellePartie =
        AddMenuItem(mniFichier, QStringLiteral("mniNouvellePartie"), tr("New Game"),
                    QKeySequence(Qt::CTRL | Qt::Key_N), &TfrmMain::mniNouvellePartieClick);
    mniBestScores = AddMenuItem(mniFichier, QStringLiteral("mniBestScores"), tr("High Scores"),
                                QKeySequence(), &TfrmMain::mniBestScoresClick);
    mniQuitter = AddMenuItem(mniFichier, QStringLiteral("mniQuitter"), tr("Quit"), QKeySequence(),
                             &TfrmMain::mniQuitterClick);
}

void TfrmMain::BuildGameMenu() {
    jeu = menuBar()->addMenu(tr("Game"));
    jeu->setObjectName(QStringLiteral("jeu"));
    mniUndo = AddMenuItem(jeu, QStringLiteral("mniUndo"), tr("Undo"),
                          QKeySequence(Qt::CTRL | Qt::Key_Z), &TfrmMain::mniUndoClick);
    jeu->addSeparator()->setObjectName(QStringLiteral("N1"));
    BuildTaggedGameItems();
    jeu->addSeparator()->setObjectName(QStringLiteral("N2"));
    mniHint = AddMenuItem(jeu, QStringLiteral("mniHint"), tr("Hint"),
                          QKeySequence(Qt::CTRL | Qt::Key_I), &TfrmMain::mniHintClick);
    mniReviewGame = AddMenuItem(jeu, QStringLiteral("mniReviewGame"), tr("Review Game"),
                                QKeySequence(), &TfrmMain::mniReviewGameClick);
    for (QAction* item : {mniHint, mniReviewGame}) {
        item->setProperty("helpContext", kAdvisorHelpTopic);
    }
    connect(jeu, &QMenu::aboutToShow, this,
            [this] { mniReviewGame->setEnabled(FSession->GameOver()); });
}

// The hold commands, Tags 1..5, then the sheet's write commands, Tags 11..21.
void TfrmMain::BuildTaggedGameItems() {
    std::size_t next = 0;
    const auto gameItem = [&](const QString& AName, const QString& ACaption,
                              const QKeySequence& AShortcut, int ATag) {
        QAction* item = jeu->addAction(ACaption);
        item->setObjectName(AName);
        item->setShortcut(AShortcut);
        item->setShortcutContext(Qt::WindowShortcut);
        item->setData(ATag);
        connect(item, &QAction::triggered, this,
                [this, ATag] { RunAction([this, ATag] { mniJeuClick(ATag); }); });
        FGameItems.at(next++) = item;
    };
    const std::array<const char*, 5> holdNames = {"N11", "N21", "N31", "N41", "N551"};
    for (int die = 1; die <= 5; ++die) {
        gameItem(QString::fromLatin1(holdNames[static_cast<std::size_t>(die - 1)]),
                 tr("Hold %1").arg(die), QKeySequence(Qt::Key_F1 + die - 1), die);
    }
    for (const TSheetLine& line : kSheetLines) {
        if (line.Writable()) {
            gameItem(QString::fromLatin1(line.CommandName),
                     QCoreApplication::translate("ScoreSheet", line.CommandCaption),
                     QKeySequence(QString::fromLatin1(line.Shortcut), QKeySequence::PortableText),
                     line.Tag);
        }
    }
}

void TfrmMain::BuildOptionsMenu() {
    mniOptions = menuBar()->addMenu(tr("Options"));
    mniOptions->setObjectName(QStringLiteral("mniOptions"));
    mniGameOptions = AddMenuItem(mniOptions, QStringLiteral("mniGameOptions"), tr("Game Options"),
                                 QKeySequence(), &TfrmMain::mniGameOptionsClick);
}

void TfrmMain::BuildHelpMenu() {
    mniAide = menuBar()->addMenu(tr("Help"));
    mniAide->setObjectName(QStringLiteral("mniAide"));
    mniHelp = AddMenuItem(mniAide, QStringLiteral("mniHelp"), tr("Help"), QKeySequence(),
                          &TfrmMain::mniHelpClick);
    Varnholtontheweb1 =
        AddMenuItem(mniAide, QStringLiteral("Varnholtontheweb1"), tr("Varnholt Home Page"),
                    QKeySequence(), &TfrmMain::Varnholtontheweb1Click);
    mniAPropos = AddMenuItem(mniAide, QStringLiteral("mniAPropos"), tr("About..."), QKeySequence(),
                             &TfrmMain::mniAProposClick);
}

void TfrmMain::FormCreate() {
    HideGridSelection();
    FSession->LabelSheet();
}

void TfrmMain::VHRegistry1ReadItemsFromRegistry(TVHRegistry& ASender) {
    LoadDiceLook(ASender, AllDice());
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
    SaveDiceLook(*VHRegistry1, *dice1);
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
