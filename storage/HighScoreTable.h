#pragma once
// The high-score table without a toolkit: the registry format of a report list,
// the order of scores, the date text, and a table that the widget list
// (VHListView.h) mirrors row for row.
//
// A list is stored under its key as "ItemCount" and "ColumnCount" (REG_DWORD)
// and one REG_SZ value per cell, named by the column's caption followed by the
// row number: Name0, Score0, Date0, Name1, ... The row's caption is the cell of
// column 0, sub-item c - 1 the cell of column c.

#include "Registry.h"
#include "RegistryKeyPath.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

struct TListRow {
    std::string Caption;
    std::vector<std::string> SubItems;

    bool operator==(const TListRow&) const = default;
};

// Appends the rows stored under AKeyPath (below the root) to ARows, up to
// AMaxRows rows in all. Missing counts or a missing key add nothing; a count
// that is not a REG_DWORD adds nothing and is reported; every one of AColumns is
// read whatever "ColumnCount" says; a missing cell reads as empty; a cell that
// is not text reads as empty and is reported once per load.
void LoadListRows(IRegistry& ARegistry, const std::string& AKeyPath,
                  const std::vector<std::string>& AColumns, std::vector<TListRow>& ARows,
                  std::size_t AMaxRows);
// Stores ARows under AKeyPath, creating the key; stores nothing for no rows.
// A value that cannot be written is reported and the others are still written.
void SaveListRows(IRegistry& ARegistry, const std::string& AKeyPath,
                  const std::vector<std::string>& AColumns, const std::vector<TListRow>& ARows);

struct THighScoreColumn {
    const char* Caption;
    int Width;
};
inline constexpr THighScoreColumn kHighScoreColumns[] = {
    {"Name", 125}, {"Score", 60}, {"Date", 100}};
inline constexpr int kScoreColumn = 1; // the Score text is sub-item 0
std::vector<std::string> HighScoreColumnCaptions();

// The order of two Score texts: negative when the first row goes above the
// second. The texts are compared as text, letter case ignored, the greater first;
// every score that enters the table has three digits, so this is numeric order.
int CompareScoreTexts(const std::string& AFirst, const std::string& ASecond);
// A Score text as a number; 0 when it is not one.
int ScoreTextValue(const std::string& AText);
// Year, month and day as yyyy, mm and dd joined by the regional date separator.
std::string ScoreDateText(int AYear, int AMonth, int ADay, const std::string& ASeparator);

// A high-score table kept in memory: at most ten rows, best first.
class THighScoreTable : public TRegKeyParts {
public:
    explicit THighScoreTable(std::unique_ptr<IRegistry> ARegistry = CreateCurrentUserRegistry());

    // "\Software\<company>\<application>\"
    std::string KeyPath() const;

    const std::vector<TListRow>& Rows() const { return FRows; }
    void Clear() { FRows.clear(); }
    void LoadFromRegistry();
    void SaveToRegistry();
    // Removes the last row when the table is full, adds the result and sorts;
    // returns the new row's index. The caller applies QualifiesForHighScores first.
    std::size_t AddScore(int AScore, const std::string& AName, const std::string& ADate);
    int LowestScore() const;
    void DeleteLastItem();

private:
    std::unique_ptr<IRegistry> FRegistry;
    std::vector<TListRow> FRows;
};
