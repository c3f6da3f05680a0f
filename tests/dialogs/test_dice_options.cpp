// The game options dialog: what it opens with, how picks change the samples and
// swatches, what Ok applies to the dice and the store, and that Cancel applies nothing.

#include "controls/LabelFit.h"
#include "controls/VHColorButton.h"
#include "controls/VHDice.h"
#include "dialogs/uDiceOptions.h"
#include "platform/Application.h"
#include "storage/MainSettings.h"
#include "storage/VHRegistry.h"
#include "tests/support/ErrorBoxGuard.h"
#include "tests/support/ModalHelper.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <deque>
#include <memory>
#include <optional>
#include <variant>

namespace {

constexpr TColor kWhite = 0x00FFFFFF;
constexpr TColor kLavender = 0x00DEBCBC;
constexpr TColor kBlack = 0x00000000;
constexpr TColor kRed = 0x000000FF;
constexpr TColor kGreen = 0x0000FF00;
constexpr TColor kBlue = 0x00FF0000;
constexpr TColor kTeal = 0x00808000;

// The main window's side: five dice and a settings store that writes nothing.
struct MainSide {
    QWidget Owner;
    std::vector<TVHDice*> Dice;
    TVHRegistry Settings{"frmMain", "VHRegistry1"};

    explicit MainSide(TDiceStyle AStyle) {
        Settings.SetAutoSave(false);
        AddMainSettings(Settings);
        for (int i = 0; i < 5; ++i) {
            auto* dice = new TVHDice(&Owner);
            dice->SetDiceStyle(AStyle);
            dice->SetDiceColor(kWhite);
            dice->SetHeldColor(kLavender);
            dice->SetPipColor(kBlack);
            Dice.push_back(dice);
        }
        SetSetting(Settings, Setting::ScoreHintColor, static_cast<int>(kTeal));
        SetSetting(Settings, Setting::ShowScoreHints, false);
        SetSetting(Settings, Setting::PlayDiceRollSound, true);
    }

    const TSettingValue& Value(const char* AName) const {
        int index = 0;
        if (!Settings.FindItem(AName, index)) {
            static const TSettingValue none;
            return none;
        }
        return Settings.VHRegistryItems().Items(index).Value();
    }
};

// Stands in for the colour picker: hands out queued answers and records the
// colours it was opened with.
struct PickerStandIn {
    std::deque<std::optional<QColor>> Answers;
    QList<QColor> Opened;

    PickerStandIn() {
        TfrmDiceOptions::ColorDialog1 = [this](const QColor& AInitial, QWidget*) {
            Opened.append(AInitial);
            std::optional<QColor> answer;
            if (!Answers.empty()) {
                answer = Answers.front();
                Answers.pop_front();
            }
            return answer;
        };
    }
    ~PickerStandIn() { TfrmDiceOptions::ColorDialog1 = &TfrmDiceOptions::SystemColorPicker; }
};

void Click(QWidget* AWidget) {
    QTest::mouseClick(AWidget, Qt::LeftButton);
}

QColor SampleTextColor(const TfrmDiceOptions& AForm) {
    return AForm.lblScoreHintSample->palette().color(QPalette::Text);
}

} // namespace

class TestDiceOptions : public QObject {
    Q_OBJECT

    TErrorBoxGuard FErrorBoxes; // a box is a failure, reported at once

private:
    std::vector<int> FHelp;

private slots:
    void initTestCase() {
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
        QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
        Application::SetHelpHandler([this](int AContext) { FHelp.push_back(AContext); });
    }

    void init() { FHelp.clear(); }

    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void opensFromTheDiceAndTheStore_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("selected");
        QTest::newRow("2D") << int(ds2D) << 0;
        QTest::newRow("3D") << int(ds3D) << 1;
        QTest::newRow("style beyond the last item") << 7 << 1;
    }

    void opensFromTheDiceAndTheStore() {
        QFETCH(int, style);
        QFETCH(int, selected);
        MainSide main(static_cast<TDiceStyle>(style));
        main.Dice[0]->SetDiceColor(kRed);
        main.Dice[0]->SetHeldColor(kGreen);
        main.Dice[0]->SetPipColor(kBlue);
        TfrmDiceOptions form(&main.Owner, main.Dice, main.Settings);

        QCOMPARE(form.DiceStyleIndex(), selected);
        QCOMPARE(form.rbDiceStyle3D->isChecked(), selected == 1);
        const TDiceStyle sampleStyle = selected == 1 ? ds3D : ds2D;
        QCOMPARE(form.diceDemoNotHeld->DiceStyle(), sampleStyle);
        QCOMPARE(form.diceDemoHeld->DiceStyle(), sampleStyle);
        QCOMPARE(form.diceDemoNotHeld->DiceValue(), 6);
        QCOMPARE(form.diceDemoHeld->DiceValue(), 6);
        QVERIFY(form.diceDemoHeld->Held());
        // The swatches show the current colours also while they do not apply.
        QCOMPARE(form.diceDemoNotHeld->DiceColor(), kRed);
        QCOMPARE(form.diceDemoHeld->HeldColor(), kGreen);
        QCOMPARE(form.diceDemoNotHeld->PipColor(), kBlue);
        QCOMPARE(form.diceDemoHeld->PipColor(), kBlue);
        QCOMPARE(form.btnDiceColor->Color(), kRed);
        QCOMPARE(form.btnHeldColor->Color(), kGreen);
        QCOMPARE(form.btnPipColor->Color(), kBlue);
        for (QWidget* child :
             {static_cast<QWidget*>(form.Label1), static_cast<QWidget*>(form.Label2),
              static_cast<QWidget*>(form.Label3), static_cast<QWidget*>(form.btnDiceColor),
              static_cast<QWidget*>(form.btnHeldColor), static_cast<QWidget*>(form.btnPipColor)}) {
            QCOMPARE(child->isEnabled(), selected == 0);
        }
        QVERIFY(form.rgpDiceColors->isEnabled());

        QCOMPARE(form.btnScoreHintColor->Color(), kTeal);
        QCOMPARE(SampleTextColor(form), TColorToQColor(kTeal));
        QVERIFY(!form.ckShowScoreHints->isChecked());
        QVERIFY(form.ckDiceRollSound->isChecked());
    }

    void picksUpdateTheirSampleAndSwatch() {
        MainSide main(ds2D);
        PickerStandIn picker;
        TfrmDiceOptions form(&main.Owner, main.Dice, main.Settings);
        form.show();

        picker.Answers = {TColorToQColor(kRed)};
        Click(form.btnDiceColor);
        QCOMPARE(form.diceDemoNotHeld->DiceColor(), kRed);
        QCOMPARE(form.btnDiceColor->Color(), kRed);
        QCOMPARE(form.diceDemoHeld->HeldColor(), kLavender);

        picker.Answers = {TColorToQColor(kGreen)};
        Click(form.btnHeldColor);
        QCOMPARE(form.diceDemoHeld->HeldColor(), kGreen);
        QCOMPARE(form.btnHeldColor->Color(), kGreen);
        QCOMPARE(form.diceDemoNotHeld->DiceColor(), kRed);

        picker.Answers = {TColorToQColor(kBlue)};
        Click(form.btnPipColor);
        QCOMPARE(form.diceDemoNotHeld->PipColor(), kBlue);
        QCOMPARE(form.diceDemoHeld->PipColor(), kBlue);
        QCOMPARE(form.btnPipColor->Color(), kBlue);

        // A cancelled pick changes nothing.
        picker.Answers = {std::nullopt};
        Click(form.btnDiceColor);
        QCOMPARE(form.diceDemoNotHeld->DiceColor(), kRed);
        QCOMPARE(form.btnDiceColor->Color(), kRed);

        form.PageControl1->setCurrentIndex(1);
        picker.Answers = {TColorToQColor(kRed)};
        Click(form.btnScoreHintColor);
        QCOMPARE(form.btnScoreHintColor->Color(), kRed);
        QCOMPARE(SampleTextColor(form), TColorToQColor(kRed));

        // The picker opens on the swatch's colour each time.
        QCOMPARE(picker.Opened, (QList<QColor>{TColorToQColor(kWhite), TColorToQColor(kLavender),
                                               TColorToQColor(kBlack), TColorToQColor(kRed),
                                               TColorToQColor(kTeal)}));
        // Nothing has reached the game yet.
        QCOMPARE(main.Dice[0]->DiceColor(), kWhite);
        QCOMPARE(SettingInteger(main.Settings, Setting::ScoreHintColor), int(kTeal));
        form.hide();
    }

    // A screen reader hears each swatch's label and colour and can press it.
    void swatchesAreNamedAndPressable() {
        MainSide main(ds2D);
        PickerStandIn picker;
        TfrmDiceOptions form(&main.Owner, main.Dice, main.Settings);
        form.show();
        QAccessible::setActive(true);
        const auto name = [](QWidget* AWidget) {
            return QAccessible::queryAccessibleInterface(AWidget)->text(QAccessible::Name);
        };
        QCOMPARE(name(form.btnDiceColor),
                 QStringLiteral("Non Selected Background, red 255, green 255, blue 255"));
        QCOMPARE(name(form.btnPipColor), QStringLiteral("Pips, red 0, green 0, blue 0"));
        // The name holds the label: no label relation makes a reader say it again.
        QVERIFY(QAccessible::queryAccessibleInterface(form.btnPipColor)
                    ->relations(QAccessible::Label)
                    .isEmpty());
        QCOMPARE(name(form.lblScoreHintSample), QStringLiteral("Sample:"));

        picker.Answers = {TColorToQColor(kRed)};
        QAccessible::queryAccessibleInterface(form.btnHeldColor)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(form.btnHeldColor->Color(), kRed);
        QCOMPARE(name(form.btnHeldColor),
                 QStringLiteral("Selected Background, red 255, green 0, blue 0"));
        form.hide();
    }

    // Tab reaches the three colour swatches of the first page, and Space opens
    // the picker as a click does.
    void swatchesAreInTheTabOrder() {
        MainSide main(ds2D);
        PickerStandIn picker;
        TfrmDiceOptions form(&main.Owner, main.Dice, main.Settings);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.btnOk->setFocus();
        QList<QWidget*> reached;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget();
        }
        for (QWidget* swatch : {form.btnDiceColor, form.btnHeldColor, form.btnPipColor}) {
            QVERIFY2(reached.contains(swatch), qPrintable(swatch->objectName()));
        }
        picker.Answers = {TColorToQColor(kRed)};
        form.btnPipColor->setFocus();
        QTest::keyClick(form.btnPipColor, Qt::Key_Space);
        QCOMPARE(form.btnPipColor->Color(), kRed);
        form.hide();
    }

    void okIn2DAppliesEverything() {
        MainSide main(ds3D);
        PickerStandIn picker;
        auto* form = new TfrmDiceOptions(&main.Owner, main.Dice, main.Settings);
        AnswerNextModal([&](QWidget*) {
            form->rbDiceStyle2D->click();
            picker.Answers = {TColorToQColor(kRed), TColorToQColor(kGreen), TColorToQColor(kBlue),
                              TColorToQColor(kBlue)};
            Click(form->btnDiceColor);
            Click(form->btnHeldColor);
            Click(form->btnPipColor);
            Click(form->btnScoreHintColor);
            form->ckShowScoreHints->setChecked(true);
            form->ckDiceRollSound->setChecked(false);
            form->lblScoreHintSample->setText(QStringLiteral("99"));
            QTest::keyClick(KeyTarget(form), Qt::Key_Return);
        });
        form->exec();
        QCOMPARE(form->ModalResult(), mrOk);
        delete form;

        for (const TVHDice* dice : main.Dice) {
            QCOMPARE(dice->DiceStyle(), ds2D);
            QCOMPARE(dice->DiceColor(), kRed);
            QCOMPARE(dice->HeldColor(), kGreen);
            QCOMPARE(dice->PipColor(), kBlue);
        }
        QCOMPARE(main.Value(Setting::ScoreHintColor), TSettingValue(static_cast<int>(kBlue)));
        QCOMPARE(main.Value(Setting::ShowScoreHints), TSettingValue(true));
        QCOMPARE(main.Value(Setting::PlayDiceRollSound), TSettingValue(false));
        QCOMPARE(main.Value(Setting::DiceStyle), TSettingValue(2));
    }

    // Colours picked before choosing 3D are lost; the dice keep theirs.
    void okIn3DKeepsTheDiceColours() {
        MainSide main(ds2D);
        PickerStandIn picker;
        auto* form = new TfrmDiceOptions(&main.Owner, main.Dice, main.Settings);
        AnswerNextModal([&](QWidget*) {
            picker.Answers = {TColorToQColor(kRed), TColorToQColor(kGreen)};
            Click(form->btnDiceColor);
            Click(form->btnPipColor);
            form->rbDiceStyle3D->click();
            form->btnOk->click();
        });
        form->exec();
        delete form;
        for (const TVHDice* dice : main.Dice) {
            QCOMPARE(dice->DiceStyle(), ds3D);
            QCOMPARE(dice->DiceColor(), kWhite);
            QCOMPARE(dice->PipColor(), kBlack);
        }
        QCOMPARE(main.Value(Setting::DiceStyle), TSettingValue(3));
        QCOMPARE(main.Value(Setting::ShowScoreHints), TSettingValue(false));
        QCOMPARE(main.Value(Setting::PlayDiceRollSound), TSettingValue(true));
    }

    void cancelAppliesNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel button") << "button";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("close box") << "close";
    }

    void cancelAppliesNothing() {
        QFETCH(QString, how);
        MainSide main(ds2D);
        PickerStandIn picker;
        int hints = 0;
        Application::SetScoreHintsHandler([&hints] { ++hints; });
        auto* form = new TfrmDiceOptions(&main.Owner, main.Dice, main.Settings);
        AnswerNextModal([&](QWidget* AModal) {
            picker.Answers = {TColorToQColor(kRed), TColorToQColor(kGreen)};
            Click(form->btnDiceColor);
            Click(form->btnScoreHintColor);
            form->rbDiceStyle3D->click();
            form->ckShowScoreHints->setChecked(true);
            form->ckDiceRollSound->setChecked(false);
            if (how == "button") {
                form->btnCancel->click();
            } else if (how == "escape") {
                QTest::keyClick(KeyTarget(AModal), Qt::Key_Escape);
            } else {
                AModal->close();
            }
        });
        form->exec();
        QCOMPARE(form->ModalResult(), mrCancel);
        delete form;
        Application::SetScoreHintsHandler({});
        QCOMPARE(hints, 1);
        for (const TVHDice* dice : main.Dice) {
            QCOMPARE(dice->DiceStyle(), ds2D);
            QCOMPARE(dice->DiceColor(), kWhite);
        }
        QCOMPARE(main.Value(Setting::ScoreHintColor), TSettingValue(static_cast<int>(kTeal)));
        QCOMPARE(main.Value(Setting::ShowScoreHints), TSettingValue(false));
        QCOMPARE(main.Value(Setting::PlayDiceRollSound), TSettingValue(true));
        QCOMPARE(main.Value(Setting::DiceStyle), TSettingValue(2));
    }

    // The real picker carries a Help button for the dialog's topic.
    void systemPickerHasHelp() {
        QWidget owner;
        bool hadHelp = false;
        AnswerNextModal([&](QWidget* AModal) {
            auto* buttons = AModal->findChild<QDialogButtonBox*>();
            QPushButton* help =
                buttons != nullptr ? buttons->button(QDialogButtonBox::Help) : nullptr;
            hadHelp = help != nullptr;
            if (help != nullptr) {
                help->click();
            }
            static_cast<QDialog*>(AModal)->reject();
        });
        QCOMPARE(TfrmDiceOptions::SystemColorPicker(Qt::red, &owner), std::nullopt);
        QVERIFY(hadHelp);
        QCOMPARE(FHelp, std::vector<int>{200});
    }

    // The colour labels are 66 and 56 pixels wide, wider only where their font
    // needs it to show every word whole within their two lines.
    void colourLabelsGrowOnlyForTheirFont() {
        const auto fits = [](const QLabel& ALabel, int AWidth) {
            for (const QString& word : ALabel.text().split(QLatin1Char(' '))) {
                if (ALabel.fontMetrics().horizontalAdvance(word) > AWidth) {
                    return false;
                }
            }
            return ALabel.heightForWidth(AWidth) <= ALabel.height();
        };
        MainSide main(ds2D);
        TfrmDiceOptions form(&main.Owner, main.Dice, main.Settings);
        for (const auto& [label, width] :
             {std::pair{form.Label1, 66}, std::pair{form.Label2, 56}}) {
            QVERIFY2(fits(*label, label->width()), qPrintable(label->objectName()));
            QVERIFY(label->width() == width || !fits(*label, label->width() - 1));
            QVERIFY(label->width() >= width);
            QVERIFY(label->geometry().right() < form.btnDiceColor->x());
        }
        // In a small font the label keeps its width; in a large one it grows.
        for (const int pixels : {6, 20}) {
            QLabel label(QStringLiteral("Non Selected Background"));
            label.setWordWrap(true);
            QFont font = label.font();
            font.setPixelSize(pixels);
            label.setFont(font);
            SetLabelGeometry(&label, QRect(8, 18, 66, pixels * 3));
            QCOMPARE(label.width() == 66, pixels == 6);
            QVERIFY(fits(label, label.width()));
        }
    }
};

QTEST_MAIN(TestDiceOptions)
#include "test_dice_options.moc"
