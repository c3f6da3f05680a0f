#pragma once
// The game options dialog: dice style and colours with live samples, score hints
// and their colour, and the roll sound. Nothing reaches the game before Ok.

#include "dialogs/uDialogAncestor.h"
#include "platform/TColor.h"

#include <QColor>

#include <functional>
#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class TVHColorButton;
class TVHDice;
class TVHRegistry;

class TfrmDiceOptions : public TfrmDialogAncestor {
    Q_OBJECT

public:
    // The colour picker shared by the four swatches: the chosen colour, or
    // nothing when the player cancels. Tests put a stand-in here.
    using TColorPicker =
        std::function<std::optional<QColor>(const QColor& AInitial, QWidget* AParent)>;
    static TColorPicker ColorDialog1;
    // The system colour picker, with a Help button for the dialog's topic.
    static std::optional<QColor> SystemColorPicker(const QColor& AInitial, QWidget* AParent);

    // AMainDice are the main window's dice, the first of them the one whose style
    // and colours the dialog starts from; ASettings is the main window's store.
    TfrmDiceOptions(QWidget* AOwner, const std::vector<TVHDice*>& AMainDice,
                    TVHRegistry& ASettings);

    QTabWidget* PageControl1;
    QWidget* tbsDiceOptions;
    QGroupBox* GroupBox2;
    TVHDice* diceDemoNotHeld;
    TVHDice* diceDemoHeld;
    QLabel* Label4;
    QLabel* Label5;
    QGroupBox* rgpDiceStyle;
    QRadioButton* rbDiceStyle2D;
    QRadioButton* rbDiceStyle3D;
    QGroupBox* rgpDiceColors;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    TVHColorButton* btnDiceColor;
    TVHColorButton* btnHeldColor;
    TVHColorButton* btnPipColor;
    QWidget* tbsGridOptions;
    QCheckBox* ckShowScoreHints;
    QLineEdit* lblScoreHintSample;
    QLabel* Label6;
    QLabel* Label7;
    TVHColorButton* btnScoreHintColor;
    QWidget* TabSheet1;
    QCheckBox* ckDiceRollSound;

    // The selected item of rgpDiceStyle: 0 for 2D, 1 for 3D.
    int DiceStyleIndex() const;

protected:
    void btnOkClick() override;

private:
    void BuildDicePage();
    void BuildGridPage();
    void BuildSoundPage();
    void FormCreate();
    void btnColorClick(TVHColorButton* Sender);
    void btnScoreHintColorClick(TVHColorButton* Sender);
    void rgpDiceStyleClick();
    void SetScoreHintSampleColor(TColor AColor);

    std::vector<TVHDice*> FMainDice;
    TVHRegistry& FSettings;
    QButtonGroup* FDiceStyleItems;
};
