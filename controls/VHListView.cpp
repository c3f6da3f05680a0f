#include "controls/VHListView.h"

#include "storage/RegistryKeyPath.h"

#include <QCoreApplication>
#include <QDate>
#include <QHeaderView>
#include <QLocale>

#include <algorithm>

namespace {

std::string Utf8(const QString& AText) {
    return AText.toStdString();
}
QString FromUtf8(const std::string& AText) {
    return QString::fromStdString(AText);
}

// A stored cell that is not valid UTF-8 is shown with replacement characters;
// its bytes are kept with the cell so that saving the list writes them back
// unchanged instead of the replacement characters.
constexpr int kStoredBytesRole = Qt::UserRole + 1;

void SetCellText(QTreeWidgetItem* AItem, int AColumn, const std::string& AText) {
    const QString text = FromUtf8(AText);
    AItem->setText(AColumn, text);
    if (Utf8(text) != AText)
        AItem->setData(AColumn, kStoredBytesRole, QByteArray::fromStdString(AText));
}

std::string CellText(const QTreeWidgetItem* AItem, int AColumn) {
    const QString text = AItem->text(AColumn);
    const QVariant stored = AItem->data(AColumn, kStoredBytesRole);
    if (stored.isValid()) {
        std::string bytes = stored.toByteArray().toStdString();
        if (FromUtf8(bytes) == text)
            return bytes;
    }
    return Utf8(text);
}

QTreeWidgetItem* NewRowItem(const TListRow& ARow) {
    auto* item = new QTreeWidgetItem();
    SetCellText(item, 0, ARow.Caption);
    for (std::size_t s = 0; s < ARow.SubItems.size(); ++s)
        SetCellText(item, static_cast<int>(s) + 1, ARow.SubItems[s]);
    return item;
}

} // namespace

TVHListView::TVHListView(QWidget* AParent) : TVHListView(AParent, CreateCurrentUserRegistry()) {}

TVHListView::TVHListView(QWidget* AParent, std::unique_ptr<IRegistry> ARegistry)
    : QTreeWidget(AParent), FRegistry(std::move(ARegistry)) {
    // A report list: flat rows under a header of columns, none until added.
    setColumnCount(0);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    header()->setStretchLastSection(false);
    SetReadOnly(true);
}

TVHListView::~TVHListView() = default;

void TVHListView::SetReadOnly(bool AValue) {
    FReadOnly = AValue;
    setEditTriggers(AValue ? QAbstractItemView::NoEditTriggers
                           : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
}

std::string TVHListView::KeyPath() const {
    return AppKey();
}

void TVHListView::AddColumn(const QString& ACaption, int AWidth, const QString& AStoredName) {
    const int column = columnCount();
    setColumnCount(column + 1);
    headerItem()->setText(column, ACaption);
    headerItem()->setData(column, Qt::UserRole, AStoredName.isEmpty() ? ACaption : AStoredName);
    setColumnWidth(column, AWidth);
}

std::vector<std::string> TVHListView::ColumnCaptions() const {
    std::vector<std::string> captions;
    for (int column = 0; column < columnCount(); ++column)
        captions.push_back(Utf8(headerItem()->data(column, Qt::UserRole).toString()));
    return captions;
}

void TVHListView::LoadFromRegistry() {
    std::vector<TListRow> rows(static_cast<std::size_t>(topLevelItemCount()));
    LoadListRows(*FRegistry, PathBelowRoot(KeyPath()), ColumnCaptions(), rows, FMaxLoadedRows);
    for (std::size_t r = static_cast<std::size_t>(topLevelItemCount()); r < rows.size(); ++r)
        addTopLevelItem(NewRowItem(rows[r]));
}

void TVHListView::SaveToRegistry() {
    const int columns = columnCount();
    std::vector<TListRow> rows;
    for (int r = 0; r < topLevelItemCount(); ++r) {
        const QTreeWidgetItem* item = topLevelItem(r);
        TListRow row{CellText(item, 0), {}};
        for (int c = 1; c < columns; ++c)
            row.SubItems.push_back(CellText(item, c));
        rows.push_back(std::move(row));
    }
    SaveListRows(*FRegistry, PathBelowRoot(KeyPath()), ColumnCaptions(), rows);
}

void TVHListView::DeleteItem(QTreeWidgetItem* AItem) {
    if (AItem == nullptr)
        return;
    if (OnDeletion)
        OnDeletion(*this, AItem);
    delete AItem; // removes it from the list
}

TVHHighScoreListView::TVHHighScoreListView(QWidget* AParent)
    : TVHListView(AParent), FTable(Registry()) {
    AddHighScoreColumns();
}

TVHHighScoreListView::TVHHighScoreListView(QWidget* AParent, std::unique_ptr<IRegistry> ARegistry)
    : TVHListView(AParent, std::move(ARegistry)), FTable(Registry()) {
    AddHighScoreColumns();
}

void TVHHighScoreListView::AddHighScoreColumns() {
    for (const THighScoreColumn& column : kHighScoreColumns)
        AddColumn(QCoreApplication::translate("HighScoreTable", column.Caption), column.Width,
                  QString::fromLatin1(column.Caption));
}

THighScoreTable& TVHHighScoreListView::KeyedTable() {
    FTable.SetRegKeySoftware(RegKeySoftware());
    FTable.SetRegKeyCompany(RegKeyCompany());
    FTable.SetRegKeyAppName(RegKeyAppName());
    return FTable;
}

void TVHHighScoreListView::ShowRows() {
    TVHListView::clear();
    for (const TListRow& row : FTable.Rows())
        addTopLevelItem(NewRowItem(row));
}

void TVHHighScoreListView::LoadFromRegistry() {
    KeyedTable().LoadFromRegistry();
    ShowRows();
}

void TVHHighScoreListView::SaveToRegistry() {
    KeyedTable().SaveToRegistry();
    ShowRows();
}

void TVHHighScoreListView::clear() {
    FTable.Clear();
    TVHListView::clear();
}

QTreeWidgetItem* TVHHighScoreListView::AddScore(int AScore, const QString& AName) {
    const QDate today = QDate::currentDate();
    const std::size_t shown = FTable.Rows().size();
    const std::size_t index = FTable.AddScore(
        AScore, Utf8(AName),
        ScoreDateText(today.year(), today.month(), today.day(), Utf8(RegionalDateSeparator())));
    if (FTable.Rows().size() == shown) // the last row made room
        DeleteItem(topLevelItem(static_cast<int>(shown) - 1));
    QTreeWidgetItem* added = NewRowItem(FTable.Rows()[index]);
    insertTopLevelItem(static_cast<int>(index), added);
    return added;
}

void TVHHighScoreListView::DeleteLastItem() {
    if (topLevelItemCount() > 0)
        DeleteItem(topLevelItem(topLevelItemCount() - 1));
    FTable.DeleteLastItem();
}

int TVHHighScoreListView::CompareScores(QTreeWidgetItem* AItem1, QTreeWidgetItem* AItem2) const {
    return CompareScoreTexts(Utf8(AItem1->text(kScoreColumn)), Utf8(AItem2->text(kScoreColumn)));
}

QString DateSeparatorOf(const QString& AFormat) {
    qsizetype i = 0;
    while (i < AFormat.size() && !AFormat[i].isLetter())
        ++i;
    while (i < AFormat.size() && AFormat[i].isLetter())
        ++i;
    // Invisible marks (the direction marks of right-to-left locales) are no separator.
    while (i < AFormat.size() && AFormat[i].category() == QChar::Other_Format)
        ++i;
    // A quoted literal or a space (formats that spell the month out, as the C
    // locale's does) is no date separator.
    if (i >= AFormat.size() || AFormat[i] == u'\'' || AFormat[i].isSpace())
        return QStringLiteral("/");
    return AFormat.mid(i, 1);
}

QString RegionalDateSeparator() {
    return DateSeparatorOf(QLocale().dateFormat(QLocale::ShortFormat));
}
