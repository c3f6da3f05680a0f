#include "dialogs/uDiceOptions.h"

#include "controls/DiceLook.h"
#include "controls/LabelFit.h"
#include "controls/VHColorButton.h"
#include "controls/VHDice.h"
#include "platform/Application.h"
#include "storage/MainSettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>

namespace {

constexpr int kFormHelpContext = 200;

template <typename W> W* Named(W* AWidget, const char* AName) {
    AWidget->setObjectName(QString::fromLatin1(AName));
    return AWidget;
}

// A label that sizes itself to its text, as labels do unless they wrap.
QLabel* MakeLabel(QWidget* AParent, const char* AName, const QString& AText, int ALeft, int ATop) {
    auto* label = Named(new QLabel(AText, AParent), AName);
    label->setTextFormat(Qt::PlainText);
    label->move(ALeft, ATop);
    label->adjustSize();
    return label;
}

QLabel* MakeWrappedLabel(QWidget* AParent, const char* AName, const QString& AText,
                         const QRect& AGeometry) {
    auto* label = Named(new QLabel(AText, AParent), AName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetLabelGeometry(label, AGeometry);
    return label;
}

TVHColorButton* MakeSwatch(QWidget* AParent, const char* AName, const QRect& AGeometry,
                           int AHelpContext, int ATag) {
    auto* swatch = Named(new TVHColorButton(AParent), AName);
    swatch->setGeometry(AGeometry);
    swatch->SetTag(ATag);
    SetHelpContext(swatch, AHelpContext);
    return swatch;
}

// A check box with its caption on the left of the box.
QCheckBox* MakeCheckBox(QWidget* AParent, const char* AName, const QString& AText,
                        const QRect& AGeometry) {
    auto* box = Named(new QCheckBox(AText, AParent), AName);
    box->setLayoutDirection(Qt::RightToLeft);
    // Wider when the caption needs it, so that a wider font does not cut it off.
    box->setGeometry(
        AGeometry.adjusted(0, 0, std::max(0, box->sizeHint().width() - AGeometry.width()), 0));
    return box;
}

} // namespace

TfrmDiceOptions::TColorPicker TfrmDiceOptions::ColorDialog1 = &TfrmDiceOptions::SystemColorPicker;

std::optional<QColor> TfrmDiceOptions::SystemColorPicker(const QColor& AInitial, QWidget* AParent) {
    QColorDialog picker(AInitial, AParent);
    picker.setOption(QColorDialog::DontUseNativeDialog);
    if (auto* buttons = picker.findChild<QDialogButtonBox*>(); buttons != nullptr) {
        buttons->addButton(QDialogButtonBox::Help);
        QObject::connect(buttons, &QDialogButtonBox::helpRequested, &picker, [] {
            Application::Guarded([] { Application::ShowHelpContext(kFormHelpContext); });
        });
    }
    if (picker.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return picker.selectedColor();
}

TfrmDiceOptions::TfrmDiceOptions(QWidget* AOwner, const std::vector<TVHDice*>& AMainDice,
                                 TVHRegistry& ASettings)
    : TfrmDialogAncestor(AOwner), FMainDice(AMainDice), FSettings(ASettings) {
    setWindowTitle(tr("Game Options"));
    SetClientSize(299, 291);
    SetHelpContext(kFormHelpContext);

    btnOk->setGeometry(23, 255, 75, 25);
    btnCancel->setGeometry(109, 255, 75, 25);
    btnHelp->setGeometry(195, 255, 75, 25);
    ::SetHelpContext(btnOk, 235);
    ::SetHelpContext(btnCancel, 240);

    PageControl1 = Named(new QTabWidget(this), "PageControl1");
    PageControl1->setGeometry(0, 0, 299, 244);

    BuildDicePage();
    BuildGridPage();
    BuildSoundPage();

    // Each swatch and the sample field are named by their label for a screen reader.
    Label1->setBuddy(btnDiceColor);
    Label2->setBuddy(btnHeldColor);
    Label3->setBuddy(btnPipColor);
    Label6->setBuddy(btnScoreHintColor);
    Label7->setBuddy(lblScoreHintSample);

    PageControl1->setCurrentIndex(0);
    setTabOrder(btnOk, btnCancel);
    setTabOrder(btnCancel, PageControl1);
    setTabOrder(PageControl1, btnHelp);

    for (TVHColorButton* swatch : {btnDiceColor, btnHeldColor, btnPipColor}) {
        swatch->OnClick = [this](TVHColorButton* ASender) { btnColorClick(ASender); };
    }
    btnScoreHintColor->OnClick = [this](TVHColorButton* ASender) {
        btnScoreHintColorClick(ASender);
    };
    connect(FDiceStyleItems, &QButtonGroup::idToggled, this, [this](int, bool AChecked) {
        if (AChecked) {
            Application::Guarded([this] { rgpDiceStyleClick(); });
        }
    });

    FormCreate();
}

// The Dice Options page: the style, the three colours and the two samples.
void TfrmDiceOptions::BuildDicePage() {
    tbsDiceOptions = Named(new QWidget, "tbsDiceOptions");
    PageControl1->addTab(tbsDiceOptions, tr("Dice Options"));

    rgpDiceStyle = Named(new QGroupBox(tr(" Type of dice "), tbsDiceOptions), "rgpDiceStyle");
    rgpDiceStyle->setGeometry(8, 2, 163, 89);
    ::SetHelpContext(rgpDiceStyle, 205);
    // The two items share the space below the caption, one above the other.
    rbDiceStyle2D = Named(new QRadioButton(tr("2 Dimensions"), rgpDiceStyle), "rbDiceStyle2D");
    rbDiceStyle2D->setGeometry(8, 14, 153, 35);
    rbDiceStyle3D = Named(new QRadioButton(tr("3 Dimensions"), rgpDiceStyle), "rbDiceStyle3D");
    rbDiceStyle3D->setGeometry(8, 49, 153, 35);
    FDiceStyleItems = new QButtonGroup(this);
    FDiceStyleItems->addButton(rbDiceStyle2D, ds2D);
    FDiceStyleItems->addButton(rbDiceStyle3D, ds3D);
    rbDiceStyle2D->setChecked(true);

    rgpDiceColors =
        Named(new QGroupBox(tr(" Colours (for 2 dimensions) "), tbsDiceOptions), "rgpDiceColors");
    rgpDiceColors->setGeometry(8, 98, 163, 113);
    // The two wrapped labels grow towards the swatches when a wider font needs it.
    Label1 = MakeWrappedLabel(rgpDiceColors, "Label1", tr("Non Selected Background"),
                              QRect(8, 18, 66, 26));
    Label2 =
        MakeWrappedLabel(rgpDiceColors, "Label2", tr("Selected Background"), QRect(8, 49, 56, 26));
    Label3 = MakeLabel(rgpDiceColors, "Label3", tr("Pips"), 8, 88);
    btnDiceColor = MakeSwatch(rgpDiceColors, "btnDiceColor", QRect(99, 21, 56, 20), 210, 0);
    btnHeldColor = MakeSwatch(rgpDiceColors, "btnHeldColor", QRect(99, 52, 56, 20), 215, 1);
    btnPipColor = MakeSwatch(rgpDiceColors, "btnPipColor", QRect(99, 84, 56, 20), 220, 2);

    GroupBox2 = Named(new QGroupBox(tr(" Samples "), tbsDiceOptions), "GroupBox2");
    GroupBox2->setGeometry(184, 2, 101, 209);
    Label4 = MakeLabel(GroupBox2, "Label4", tr("Non Selected"), 20, 17);
    diceDemoNotHeld = Named(new TVHDice(GroupBox2), "diceDemoNotHeld");
    diceDemoNotHeld->setGeometry(17, 32, 70, 73);
    diceDemoNotHeld->setEnabled(false);
    Label5 = MakeLabel(GroupBox2, "Label5", tr("Selected"), 31, 108);
    diceDemoHeld = Named(new TVHDice(GroupBox2), "diceDemoHeld");
    diceDemoHeld->setGeometry(17, 123, 70, 70);
    diceDemoHeld->setEnabled(false);
    diceDemoHeld->SetHeld(true);
    // A caption that would run into the frame is centred over its sample.
    for (QLabel* label : {Label4, Label5}) {
        if (label->geometry().right() > GroupBox2->width() - 4) {
            label->move(std::max(2, (GroupBox2->width() - label->width()) / 2), label->y());
        }
    }
}

// The Grid Options page: whether and in which colour the grid shows its hints.
void TfrmDiceOptions::BuildGridPage() {
    tbsGridOptions = Named(new QWidget, "tbsGridOptions");
    PageControl1->addTab(tbsGridOptions, tr("Grid Options"));
    ckShowScoreHints = MakeCheckBox(tbsGridOptions, "ckShowScoreHints",
                                    tr("Show Score Hints in Grid"), QRect(12, 16, 144, 17));
    ::SetHelpContext(ckShowScoreHints, 250);
    Label6 = MakeLabel(tbsGridOptions, "Label6", tr("Score Hints Color"), 14, 48);
    btnScoreHintColor =
        MakeSwatch(tbsGridOptions, "btnScoreHintColor", QRect(112, 43, 46, 20), 255, 0);
    Label7 = MakeLabel(tbsGridOptions, "Label7", tr("Sample:"), 176, 48);
    lblScoreHintSample =
        Named(new QLineEdit(QStringLiteral("25"), tbsGridOptions), "lblScoreHintSample");
    lblScoreHintSample->setGeometry(224, 41, 47, 28);
    // A caption too long for the room before its colour button takes two lines,
    // and the row makes way for what is still too wide.
    if (Label6->width() > btnScoreHintColor->x() - Label6->x() - 4) {
        Label6->setWordWrap(true);
        Label6->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        SetLabelGeometry(Label6,
                         QRect(Label6->x(), 37, btnScoreHintColor->x() - Label6->x() - 4, 32));
        FlowRow({Label6, btnScoreHintColor, Label7, lblScoreHintSample}, PageControl1->width() - 8);
    }
    QFont hintFont(QStringLiteral("Comic Sans MS"));
    hintFont.setItalic(true);
    hintFont.setPixelSize(16);
    lblScoreHintSample->setFont(hintFont);
    ::SetHelpContext(lblScoreHintSample, 260);
}

void TfrmDiceOptions::BuildSoundPage() {
    TabSheet1 = Named(new QWidget, "TabSheet1");
    PageControl1->addTab(TabSheet1, tr("Sound"));
    ckDiceRollSound = MakeCheckBox(TabSheet1, "ckDiceRollSound",
                                   tr("Play Sound on Every Dice Roll"), QRect(12, 16, 165, 17));
}

int TfrmDiceOptions::DiceStyleIndex() const {
    return FDiceStyleItems->checkedId() == ds3D ? 1 : 0;
}

void TfrmDiceOptions::FormCreate() {
    if (!FMainDice.empty()) {
        const TVHDice& dice1 = *FMainDice.front();
        diceDemoNotHeld->SetDiceColor(dice1.DiceColor());
        btnDiceColor->SetColor(dice1.DiceColor());
        diceDemoHeld->SetHeldColor(dice1.HeldColor());
        btnHeldColor->SetColor(dice1.HeldColor());
        diceDemoNotHeld->SetPipColor(dice1.PipColor());
        diceDemoHeld->SetPipColor(dice1.PipColor());
        btnPipColor->SetColor(dice1.PipColor());
        // A style beyond the last item selects the last one.
        const int index = std::min<int>(dice1.DiceStyle(), ds3D);
        FDiceStyleItems->button(index)->setChecked(true);
    }
    const auto hintColor = static_cast<TColor>(SettingInteger(FSettings, Setting::ScoreHintColor));
    btnScoreHintColor->SetColor(hintColor);
    SetScoreHintSampleColor(hintColor);
    ckShowScoreHints->setChecked(SettingBoolean(FSettings, Setting::ShowScoreHints));
    ckDiceRollSound->setChecked(SettingBoolean(FSettings, Setting::PlayDiceRollSound));
}

void TfrmDiceOptions::SetScoreHintSampleColor(TColor AColor) {
    QPalette palette = lblScoreHintSample->palette();
    palette.setColor(QPalette::Text, TColorToQColor(AColor));
    lblScoreHintSample->setPalette(palette);
}

void TfrmDiceOptions::btnColorClick(TVHColorButton* Sender) {
    const std::optional<QColor> picked = ColorDialog1(TColorToQColor(Sender->Color()), this);
    if (!picked) {
        return;
    }
    const TColor color = QColorToTColor(*picked);
    switch (Sender->Tag()) {
    case 0:
        diceDemoNotHeld->SetDiceColor(color);
        break;
    case 1:
        diceDemoHeld->SetHeldColor(color);
        break;
    case 2:
        diceDemoNotHeld->SetPipColor(color);
        diceDemoHeld->SetPipColor(color);
        break;
    default:
        break;
    }
    Sender->SetColor(color);
}

void TfrmDiceOptions::btnScoreHintColorClick(TVHColorButton* Sender) {
    const std::optional<QColor> picked = ColorDialog1(TColorToQColor(Sender->Color()), this);
    if (!picked) {
        return;
    }
    const TColor color = QColorToTColor(*picked);
    btnScoreHintColor->SetColor(color);
    SetScoreHintSampleColor(color);
}

void TfrmDiceOptions::rgpDiceStyleClick() {
    const auto style = static_cast<TDiceStyle>(DiceStyleIndex());
    diceDemoNotHeld->SetDiceStyle(style);
    diceDemoHeld->SetDiceStyle(style);
    // The group box itself stays enabled so that its caption keeps its normal look.
    const bool colorsApply = style == ds2D;
    for (QWidget* child : rgpDiceColors->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->setEnabled(colorsApply);
    }
}

void TfrmDiceOptions::btnOkClick() {
    SetSetting(FSettings, Setting::ScoreHintColor, static_cast<int>(btnScoreHintColor->Color()));
    SetSetting(FSettings, Setting::ShowScoreHints, ckShowScoreHints->isChecked());
    SetSetting(FSettings, Setting::PlayDiceRollSound, ckDiceRollSound->isChecked());
    const bool twoD = DiceStyleIndex() == 0;
    for (TVHDice* dice : FMainDice) {
        if (twoD) {
            dice->SetDiceStyle(ds2D);
            dice->SetDiceColor(btnDiceColor->Color());
            dice->SetHeldColor(btnHeldColor->Color());
            dice->SetPipColor(btnPipColor->Color());
        } else {
            dice->SetDiceStyle(ds3D);
        }
    }
    StoreDiceStyle(FSettings, twoD ? ds2D : ds3D);
}
