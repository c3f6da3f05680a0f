#include "dialogs/uInputQuery.h"

#include "platform/Application.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>
#include <memory>

TfrmInputQuery::TfrmInputQuery(QWidget* AOwner) : TfrmDialogAncestor(AOwner) {
    setWindowTitle(tr("Caption"));
    SetClientSize(256, 92);
    SetHelpContext(400);

    Label1 = new QLabel(tr("Prompt:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->move(9, 7);
    Label1->adjustSize();

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(9, 24, 237, 21);
    Label1->setBuddy(Edit1); // the field is named by the prompt
    // A name has no length limit; the field's default one would cut a long
    // stored name.
    Edit1->setMaxLength(std::numeric_limits<int>::max());

    // Three buttons 53 pixels wide, 13 apart; a longer caption widens all three
    // alike, the row staying centred.
    int width = 53;
    for (const QPushButton* button : {btnOk, btnCancel, btnHelp}) {
        const QString caption = QString(button->text()).remove(QLatin1Char('&'));
        width = std::max(width, button->fontMetrics().horizontalAdvance(caption) + 12);
    }
    const int left = width == 53 ? 36 : (256 - 3 * width - 2 * 13) / 2;
    btnOk->setGeometry(left, 57, width, 25);
    btnCancel->setGeometry(left + width + 13, 57, width, 25);
    btnHelp->setGeometry(left + 2 * (width + 13), 57, width, 25);
    // Ok and Cancel come first, as on every dialog, then the field and Help.
    setTabOrder(btnCancel, Edit1);
    setTabOrder(Edit1, btnHelp);
}

void TfrmInputQuery::FormShow() {
    Edit1->selectAll();
    Edit1->setFocus();
}

bool ShowInputQuery(const QString& APrompt, QString& AValue, const QString& ACaption,
                    const QString& ASpokenNote) {
    const auto form = std::make_unique<TfrmInputQuery>();
    form->Edit1->setText(AValue);
    form->Edit1->setAccessibleDescription(ASpokenNote);
    form->Label1->setText(APrompt);
    form->Label1->adjustSize();
    form->setWindowTitle(ACaption.isEmpty() ? Application::Title : ACaption);
    form->exec();
    if (form->ModalResult() != mrOk) {
        return false;
    }
    AValue = form->Edit1->text();
    return true;
}
