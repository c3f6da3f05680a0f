#include "dialogs/uDialogAncestor.h"

#include "platform/Application.h"
#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace {

const char* const kHelpContextProperty = "helpContext";

constexpr int kButtonTop = 216;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

QPushButton* MakeButton(QWidget* AParent, const char* AName, const QString& ACaption, int ALeft) {
    auto* button = new QPushButton(ACaption, AParent);
    button->setObjectName(QString::fromLatin1(AName));
    button->setGeometry(ALeft, kButtonTop, kButtonWidth, kButtonHeight);
    return button;
}

} // namespace

void SetHelpContext(QWidget* AWidget, int AContext) {
    AWidget->setProperty(kHelpContextProperty, AContext);
}

int HelpContextOf(const QWidget* AWidget) {
    return AWidget->property(kHelpContextProperty).toInt();
}

TfrmDialogAncestor::TfrmDialogAncestor(QWidget* AOwner)
    : QDialog(AOwner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    SetClientSize(348, 249);

    btnOk = MakeButton(this, "btnOk", tr("&Ok"), 48);
    btnCancel = MakeButton(this, "btnCancel", tr("&Cancel"), 136);
    btnHelp = MakeButton(this, "btnHelp", tr("&Help"), 224);
    btnOk->setDefault(true);
    setTabOrder(btnOk, btnCancel);
    setTabOrder(btnCancel, btnHelp);

    connect(btnOk, &QPushButton::clicked, this, [this] {
        Application::Guarded([this] {
            btnOkClick();
            done(Accepted);
        });
    });
    connect(btnCancel, &QPushButton::clicked, this,
            [this] { Application::Guarded([this] { done(Rejected); }); });
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { Application::Guarded([this] { btnHelpClick(); }); });

    // A window shortcut, so that F1 reaches the dialog before any control can use it.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { Application::Guarded([this] { ShowFocusedHelp(); }); });
}

TfrmDialogAncestor::~TfrmDialogAncestor() {
    Application::Guarded([] { Application::DrawMainFormScoreHints(); });
}

void TfrmDialogAncestor::SetClientSize(int AWidth, int AHeight) {
    setFixedSize(AWidth, AHeight);
}

void TfrmDialogAncestor::done(int AResult) {
    FModalResult = AResult == Accepted ? mrOk : mrCancel;
    Application::Guarded([this] { FormClose(); });
    QDialog::done(AResult);
}

void TfrmDialogAncestor::btnHelpClick() {
    Application::ShowHelpContext(HelpContext());
}

void TfrmDialogAncestor::ShowFocusedHelp() {
    const QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr || (focused != this && !isAncestorOf(focused))) {
        focused = this;
    }
    for (const QWidget* w = focused; w != nullptr; w = w->parentWidget()) {
        if (const int context = HelpContextOf(w); context != 0) {
            Application::ShowHelpContext(context);
            return;
        }
        if (w == this) {
            return;
        }
    }
}

void TfrmDialogAncestor::CenterOverOwner() {
    PlaceByFrame(this, [this](const QSize& AFrame) {
        QRect area;
        if (const QWidget* owner = parentWidget(); owner != nullptr) {
            area = OuterGeometry(*owner->window());
        } else if (const QWidget* active = QApplication::activeWindow();
                   active != nullptr && active != this) {
            area = OuterGeometry(*active);
        } else if (const QScreen* s = screen(); s != nullptr) {
            area = s->availableGeometry();
        } else {
            return pos();
        }
        return CentredTopLeft(area.center(), AFrame);
    });
}

void TfrmDialogAncestor::showEvent(QShowEvent* AEvent) {
    QDialog::showEvent(AEvent);
    Application::Guarded([this] {
        FModalResult = mrNone;
        CenterOverOwner();
        FormShow();
    });
}

void TfrmDialogAncestor::keyPressEvent(QKeyEvent* AEvent) {
    Application::Guarded([this, AEvent] {
        if (AEvent->key() == Qt::Key_Escape && AEvent->modifiers() == Qt::NoModifier) {
            // Escape answers for the Cancel button wherever it lies, but a hidden
            // Cancel button means the dialog has no cancel role.
            if (!btnCancel->isHidden()) {
                btnCancel->click();
            }
            AEvent->accept();
            return;
        }
        QDialog::keyPressEvent(AEvent);
    });
}
