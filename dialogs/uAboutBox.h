#pragma once
// The About box: picture, product name, version, the date of the executable and
// the maker's notice, which opens the maker's home page.

#include "dialogs/uDialogAncestor.h"

#include <QDateTime>

class QLabel;

// A file time as the About box shows it: the locale's short date and long time
// (without a time zone), the time left out at exactly midnight; empty when invalid.
QString FileDateTimeText(const QDateTime& ADateTime);
// The modification time of the file at APath in that form.
QString FileModifiedText(const QString& APath);

class TfrmAboutBox : public TfrmDialogAncestor {
    Q_OBJECT

public:
    explicit TfrmAboutBox(QWidget* AOwner = nullptr);

    QLabel* Image1;
    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* Label1;
    QLabel* lblMakerNotice;

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    void FormCreate();
    void lblMakerNoticeClick();

    bool FNoticePressed = false;
};
