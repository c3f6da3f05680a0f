#pragma once
// Report lists that store their rows in the registry: TVHListView writes all its
// rows and columns as registry values and reads them back; TVHHighScoreListView
// shows a high-score table (HighScoreTable.h), which keeps the rows, their order,
// the ten-row limit and the merge with the stored table, in three columns.

#include "storage/HighScoreTable.h"
#include "storage/Registry.h"
#include "storage/RegistryKeyPath.h"

#include <QString>
#include <QTreeWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TVHListView : public QTreeWidget, public TRegKeyParts {
public:
    explicit TVHListView(QWidget* AParent = nullptr);
    // A list on another registry (tests).
    TVHListView(QWidget* AParent, std::unique_ptr<IRegistry> ARegistry);
    ~TVHListView() override;

    // Appends the stored rows after the rows already in the list.
    virtual void LoadFromRegistry();
    // Stores all rows; does nothing when the list has no rows.
    virtual void SaveToRegistry();

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool AValue);
    // "\Software\<company>\<application>\"
    std::string KeyPath() const;

    // Adds a column at the right with its caption and width in pixels. The
    // registry stores its cells under AStoredName, or under the caption when
    // there is none: a translated caption keeps the stored name of its column.
    void AddColumn(const QString& ACaption, int AWidth, const QString& AStoredName = {});
    // The names the registry stores the columns' cells under.
    std::vector<std::string> ColumnCaptions() const;
    // The most rows that a load leaves in the list.
    void SetMaxLoadedRows(std::size_t AValue) { FMaxLoadedRows = AValue; }

    // Fired before a row is deleted through DeleteItem.
    std::function<void(TVHListView&, QTreeWidgetItem*)> OnDeletion;
    void DeleteItem(QTreeWidgetItem* AItem);

protected:
    IRegistry& Registry() { return *FRegistry; }

private:
    std::unique_ptr<IRegistry> FRegistry;
    bool FReadOnly = false;
    std::size_t FMaxLoadedRows = static_cast<std::size_t>(-1);
};

class TVHHighScoreListView : public TVHListView {
public:
    explicit TVHHighScoreListView(QWidget* AParent = nullptr);
    TVHHighScoreListView(QWidget* AParent, std::unique_ptr<IRegistry> ARegistry);

    // The table's load, then its rows shown.
    void LoadFromRegistry() override;
    // The table's save (its new rows merged into the stored table), then the
    // table shown as stored.
    void SaveToRegistry() override;
    // Empties the list and the table it shows. It hides QTreeWidget::clear, so
    // that the list is always emptied together with its table.
    void clear();

    // The table's AddScore with today's date; returns the new row. A row that
    // makes room goes through DeleteItem. The caller applies
    // QualifiesForHighScores first.
    QTreeWidgetItem* AddScore(int AScore, const QString& AName);
    int LowestScore() const { return FTable.LowestScore(); }
    void DeleteLastItem();
    // Negative when AItem1 goes above AItem2.
    int CompareScores(QTreeWidgetItem* AItem1, QTreeWidgetItem* AItem2) const;

    const THighScoreTable& Table() const { return FTable; }

private:
    void AddHighScoreColumns();
    // The table at this list's key, with its rows as shown.
    THighScoreTable& KeyedTable();
    void ShowRows();

    THighScoreTable FTable;
};

// The date separator of a date format: the first visible character that is not
// a letter after the first field; "/" when there is none.
QString DateSeparatorOf(const QString& AFormat);
// The separator of the user's short date format.
QString RegionalDateSeparator();
