#pragma once
// The high-score table without a toolkit: the registry format of a report list,
// the order of scores, the date text, and a table that the widget list
// (VHListView.h) mirrors row for row.
//
// A list is stored under its key as "ItemCount" and "ColumnCount" (REG_DWORD)
// and one REG_SZ value per cell, named by the column's caption followed by the
// row number: Name0, Score0, Date0, Name1, ... The row's caption is the cell of
// column 0, sub-item c - 1 the cell of column c.

#include "storage/Registry.h"
#include "storage/RegistryKeyPath.h"

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
// AMaxRows rows in all. A missing key, or neither count, adds nothing. A count
// that is missing or not a REG_DWORD is reported once per run and stored value;
// the rows are then read as the count says when it is text holding a number,
// else as far as row after row has a cell. Every one of AColumns is read
// whatever "ColumnCount" says; a missing cell reads as empty; a cell that is not
// text reads as empty and is reported once per load.
void LoadListRows(IRegistry& ARegistry, const std::string& AKeyPath,
                  const std::vector<std::string>& AColumns, std::vector<TListRow>& ARows,
                  std::size_t AMaxRows);
// The same from an open key; AReport false reads without reporting, AWhere names
// the registry in the reports.
void LoadListRowsFrom(const IRegistryKey& AKey, const std::vector<std::string>& AColumns,
                      std::vector<TListRow>& ARows, std::size_t AMaxRows, bool AReport = true,
                      const std::string& AWhere = Tx("Registry", "the registry"));
// Stores ARows under AKeyPath, creating the key; stores nothing for no rows.
// A value that cannot be written is reported and the others are still written.
void SaveListRows(IRegistry& ARegistry, const std::string& AKeyPath,
                  const std::vector<std::string>& AColumns, const std::vector<TListRow>& ARows);
// The same into an open key, which stays open; false when a value was refused.
bool SaveListRowsTo(IRegistryKey& AKey, const std::vector<std::string>& AColumns,
                    const std::vector<TListRow>& ARows);

// The caption is the English one, also the name the registry stores the column's
// cells under; the list shows it in the player's language.
struct THighScoreColumn {
    const char* Caption;
    int Width;
};
inline constexpr THighScoreColumn kHighScoreColumns[] = {{TX_NOOP("HighScoreTable", "Name"), 125},
                                                         {TX_NOOP("HighScoreTable", "Score"), 60},
                                                         {TX_NOOP("HighScoreTable", "Date"), 100}};
inline constexpr int kScoreColumn = 1; // the Score text is sub-item 0
std::vector<std::string> HighScoreColumnCaptions();

// The order of two Score texts: negative when the first row goes above the
// second. Numbers go greatest first: every score that enters the table has three
// digits, so this is also the order of the texts. A text that is no number (a
// hand-edited or damaged score) goes below every number, so that a result that
// enters the table is never the one a save drops; such texts go in text order,
// letter case ignored, the greater first.
int CompareScoreTexts(const std::string& AFirst, const std::string& ASecond);
// A Score text as a number; 0 when it is not one.
int ScoreTextValue(const std::string& AText);
// Year, month and day as yyyy, mm and dd joined by the regional date separator.
std::string ScoreDateText(int AYear, int AMonth, int ADay, const std::string& ASeparator);

// A high-score table kept in memory: at most ten rows, best first. The rows a
// run adds are kept apart until they are stored: a save merges them into the
// table as stored at that moment, so that the rows another running copy of the
// game stored meanwhile stay.
class THighScoreTable : public TRegKeyParts {
public:
    explicit THighScoreTable(std::unique_ptr<IRegistry> ARegistry = CreateCurrentUserRegistry());
    // A table on a registry that its owner keeps alive.
    explicit THighScoreTable(IRegistry& ARegistry);
    THighScoreTable(const THighScoreTable&) = delete;
    THighScoreTable& operator=(const THighScoreTable&) = delete;
    // Tries once more to store the rows that earlier saves could not store, and
    // says which results are lost when that fails too.
    ~THighScoreTable();

    // "\Software\<company>\<application>\"
    std::string KeyPath() const;

    const std::vector<TListRow>& Rows() const { return FRows; }
    // Empties the table as shown; rows added and not yet stored are still stored
    // by the next save.
    void Clear() { FRows.clear(); }
    // Appends the stored rows after the rows already in the table.
    void LoadFromRegistry();
    // Under the registry's lock, reads the table as stored now, inserts the rows
    // added since the last save by the ranking rule, keeps the ten best and
    // writes them; the table then holds what was stored. Writes nothing when no
    // row was added. Rows that could not be stored are tried again next time.
    void SaveToRegistry();
    // Removes the last row when the table is full, inserts the result below every
    // row with an equal or greater score, and returns its index. The caller
    // applies QualifiesForHighScores first.
    std::size_t AddScore(int AScore, const std::string& AName, const std::string& ADate);
    // The last row's score; 0 for an empty table or a Score that is not a number.
    int LowestScore() const;
    void DeleteLastItem();

private:
    std::unique_ptr<IRegistry> FOwnedRegistry;
    IRegistry* FRegistry;
    std::vector<TListRow> FRows;
    std::vector<TListRow> FAdded; // added since the last save, in order of adding
};
