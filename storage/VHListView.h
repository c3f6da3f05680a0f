#pragma once
// Report lists that store their rows in the registry: TVHListView writes all its
// rows and columns as registry values and reads them back; TVHHighScoreListView
// adds the three columns of the high-score table, its order, its ten-row limit
// and the insertion of a new result. The registry format is HighScoreTable.h's.

#include "HighScoreTable.h"
#include "Registry.h"
#include "RegistryKeyPath.h"

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
    void LoadFromRegistry();
    // Stores all rows; does nothing when the list has no rows.
    void SaveToRegistry();

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool AValue);
    // "\Software\<company>\<application>\"
    std::string KeyPath() const;

    // Adds a column at the right with its caption and width in pixels.
    void AddColumn(const QString& ACaption, int AWidth);
    std::vector<std::string> ColumnCaptions() const;
    // The most rows that a load leaves in the list.
    void SetMaxLoadedRows(std::size_t AValue) { FMaxLoadedRows = AValue; }

    // Fired before a row is deleted through DeleteItem.
    std::function<void(TVHListView&, QTreeWidgetItem*)> OnDeletion;
    void DeleteItem(QTreeWidgetItem* AItem);

private:
    std::unique_ptr<IRegistry> FRegistry;
    bool FReadOnly = false;
    std::size_t FMaxLoadedRows = static_cast<std::size_t>(-1);
};

class TVHHighScoreListView : public TVHListView {
public:
    explicit TVHHighScoreListView(QWidget* AParent = nullptr);
    TVHHighScoreListView(QWidget* AParent, std::unique_ptr<IRegistry> ARegistry);

    // Removes the last row when the list is full, adds the result with today's
    // date and sorts; returns the new row. The caller applies
    // QualifiesForHighScores first.
    QTreeWidgetItem* AddScore(int AScore, const QString& AName);
    // The last row's score; 0 for an empty list or a Score that is not a number.
    int LowestScore() const;
    void DeleteLastItem();
    // Negative when AItem1 goes above AItem2.
    int CompareScores(QTreeWidgetItem* AItem1, QTreeWidgetItem* AItem2) const;

private:
    void AddHighScoreColumns();
};

// The date separator of a date format: the first visible character that is not
// a letter after the first field; "/" when there is none.
QString DateSeparatorOf(const QString& AFormat);
// The separator of the user's short date format.
QString RegionalDateSeparator();
