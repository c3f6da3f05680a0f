#include "dialogs/uHighScores.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QPushButton>

namespace {

// When the list takes the focus, a screen reader is told, after the list's own
// focus, that its current row has it, so that the row just entered is read
// rather than the list alone. The selection stays as it is.
class TCurrentRowSpoken : public QObject {
public:
    explicit TCurrentRowSpoken(QTreeWidget* AList) : QObject(AList), FList(AList) {}

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override {
        if (AEvent->type() == QEvent::FocusIn) {
            QMetaObject::invokeMethod(this, &TCurrentRowSpoken::SayCurrentRow,
                                      Qt::QueuedConnection);
        }
        return QObject::eventFilter(AWatched, AEvent);
    }

private:
    void SayCurrentRow() {
        const QModelIndex current = FList->currentIndex();
        if (FList->hasFocus() && current.isValid()) {
            QItemSelectionModel* selection = FList->selectionModel();
            selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
            selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        }
    }

    QTreeWidget* FList;
};

} // namespace

TfrmHighScores::TfrmHighScores(QWidget* AOwner) : TfrmDialogAncestor(AOwner) {
    setWindowTitle(tr("High Scores"));
    SetClientSize(353, 249);
    SetHelpContext(300);

    lvwHighScores = new TVHHighScoreListView(this);
    lvwHighScores->setObjectName(QStringLiteral("lvwHighScores"));
    lvwHighScores->setGeometry(8, 8, 337, 193);
    lvwHighScores->setAccessibleName(tr("High scores"));
    lvwHighScores->SetReadOnly(true);
    lvwHighScores->SetRegKeySoftware("Software");
    lvwHighScores->SetRegKeyCompany("Varnholt");
    lvwHighScores->SetRegKeyAppName("Tolmir");
    lvwHighScores->installEventFilter(new TCurrentRowSpoken(lvwHighScores));

    btnOk->move(91, btnOk->y());
    btnHelp->move(183, btnHelp->y());
    // Without a Cancel button the dialog has no cancel role: Escape does nothing,
    // the close box still closes it.
    btnCancel->move(268, btnCancel->y());
    btnCancel->hide();
    setTabOrder(btnOk, lvwHighScores);
    setTabOrder(lvwHighScores, btnHelp);
}

void TfrmHighScores::FormShow() {
    lvwHighScores->setFocus();
}

void TfrmHighScores::FormClose() {
    lvwHighScores->SaveToRegistry();
}
