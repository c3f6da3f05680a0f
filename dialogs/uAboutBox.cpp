#include "dialogs/uAboutBox.h"

#include "platform/Application.h"
#include "platform/OpenUrl.h"
#include "platform/Resources.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>

namespace {

// The locale's long time format without its time-zone field, which neither fits
// the label nor belongs to a file's local time.
QString LongTimeFormatWithoutZone(const QLocale& ALocale) {
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    // Text between single quotes is literal; only the parts outside them are fields.
    QStringList parts = ALocale.timeFormat(QLocale::LongFormat).split(QLatin1Char('\''));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        parts[i].replace(zone, QStringLiteral(" "));
    }
    return parts.join(QLatin1Char('\'')).trimmed();
}

QLabel* MakeLabel(QWidget* AParent, const char* AName, const QString& AText, int ALeft, int ATop) {
    auto* label = new QLabel(AText, AParent);
    label->setObjectName(QString::fromLatin1(AName));
    label->setTextFormat(Qt::PlainText);
    label->move(ALeft, ATop);
    label->adjustSize();
    return label;
}

} // namespace

QString FileDateTimeText(const QDateTime& ADateTime) {
    if (!ADateTime.isValid()) {
        return {};
    }
    const QLocale locale;
    QString text = locale.toString(ADateTime.date(), QLocale::ShortFormat);
    const QTime time = ADateTime.time();
    // Midnight to the second: a fraction of a second would show as "12:00:00 AM".
    if (QTime(time.hour(), time.minute(), time.second()) != QTime(0, 0)) {
        text +=
            QLatin1Char(' ') + locale.toString(ADateTime.time(), LongTimeFormatWithoutZone(locale));
    }
    return text;
}

QString FileModifiedText(const QString& APath) {
    return FileDateTimeText(QFileInfo(APath).lastModified());
}

TfrmAboutBox::TfrmAboutBox(QWidget* AOwner) : TfrmDialogAncestor(AOwner) {
    setWindowTitle(tr("About..."));
    SetClientSize(245, 207);
    // Cancel and Help stay below the client area: unseen, but Escape still
    // cancels. Neither takes the focus, and Help has no topic to open.
    btnOk->move(85, 170);
    btnCancel->setFocusPolicy(Qt::NoFocus);
    btnHelp->setFocusPolicy(Qt::NoFocus);
    btnHelp->setEnabled(false);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 8, 160, 120);
    Image1->setPixmap(QPixmap(ResourcePath(QStringLiteral("ABOUT"))));

    lblProductName = MakeLabel(this, "lblProductName", QStringLiteral("Tolmir"), 176, 48);
    lblVersion = MakeLabel(this, "lblVersion", tr("Version 1.0"), 176, 72);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(176, 96, 65, 41);

    lblMakerNotice =
        MakeLabel(this, "lblMakerNotice", QStringLiteral("\u00a9 2026 Varnholt"), 8, 136);
    QFont noticeFont(QStringLiteral("Tahoma"));
    noticeFont.setPixelSize(11);
    noticeFont.setUnderline(true);
    lblMakerNotice->setFont(noticeFont);
    QPalette noticePalette = lblMakerNotice->palette();
    noticePalette.setColor(QPalette::WindowText, Qt::blue);
    lblMakerNotice->setPalette(noticePalette);
    lblMakerNotice->setCursor(Qt::PointingHandCursor);
    lblMakerNotice->adjustSize();
    lblMakerNotice->installEventFilter(this);

    // A screen reader names the box by what it shows first, before the date
    // line that its labels read on.
    setAccessibleName(tr("About %1, %2").arg(lblProductName->text(), lblVersion->text()));

    FormCreate();
}

void TfrmAboutBox::FormCreate() {
    Label1->setText(FileModifiedText(QCoreApplication::applicationFilePath()));
}

void TfrmAboutBox::lblMakerNoticeClick() {
    OpenUrl(HomePageUrl, this);
}

bool TfrmAboutBox::eventFilter(QObject* AWatched, QEvent* AEvent) {
    if (AWatched == lblMakerNotice) {
        // A click is a press and a release on the notice; the second press of a
        // double click arrives as a double-click event and starts no click.
        const QEvent::Type type = AEvent->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(AEvent);
            const bool left = mouse->button() == Qt::LeftButton;
            if (type == QEvent::MouseButtonPress) {
                FNoticePressed = left;
            } else if (left) {
                const bool click =
                    FNoticePressed && lblMakerNotice->rect().contains(mouse->position().toPoint());
                FNoticePressed = false;
                if (click) {
                    Application::Guarded([this] { lblMakerNoticeClick(); });
                    return true;
                }
            }
        }
    }
    return TfrmDialogAncestor::eventFilter(AWatched, AEvent);
}
