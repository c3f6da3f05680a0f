#include "storage/HighScoreTable.h"

#include "game/HighScoreRules.h"
#include "game/TextNumbers.h"
#include "game/Texts.h"
#include "storage/RegistryKeyPath.h"
#include "storage/SettingValue.h"
#include "storage/StorageErrors.h"

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <numeric>
#include <set>

namespace {

constexpr const char* kItemCount = "ItemCount";
constexpr const char* kColumnCount = "ColumnCount";

const std::string& ScoreText(const TListRow& ARow) {
    static const std::string FNone;
    return ARow.SubItems.empty() ? FNone : ARow.SubItems[0];
}

// The ranking rule: the rows are sorted best first, a new row below every row
// whose score is equal or greater. Returns the new row's index.
std::size_t InsertRanked(std::vector<TListRow>& ARows, TListRow ARow) {
    ARows.push_back(std::move(ARow));
    std::vector<std::size_t> order(ARows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t A, std::size_t B) {
        return CompareScoreTexts(ScoreText(ARows[A]), ScoreText(ARows[B])) < 0;
    });
    std::vector<TListRow> sorted;
    sorted.reserve(ARows.size());
    std::size_t added = 0;
    for (const std::size_t from : order) {
        if (from + 1 == ARows.size())
            added = sorted.size();
        sorted.push_back(std::move(ARows[from]));
    }
    ARows = std::move(sorted);
    return added;
}

// The rows of a list whose count cannot be read: row r is there while any of
// its cells is stored.
std::uint32_t StoredRowCount(const IRegistryKey& AKey, const std::vector<std::string>& AColumns,
                             std::size_t AMaxRows) {
    std::uint32_t rows = 0;
    const auto stored = [&](const std::string& AColumn) {
        return AKey.QueryValue(AColumn + std::to_string(rows)).has_value();
    };
    while (rows < AMaxRows && std::any_of(AColumns.begin(), AColumns.end(), stored))
        ++rows;
    return rows;
}

std::string DataOf(const std::optional<TRegValue>& AValue) {
    return AValue ? std::to_string(AValue->Type) + ':' + AValue->Data : std::string("none");
}

// A damaged count is said once per run and stored content, not at every load.
bool FirstCountReport(const std::string& AWhat) {
    static std::mutex FMutex;
    static std::set<std::string> FReported;
    std::lock_guard lock(FMutex);
    return FReported.insert(AWhat).second;
}

} // namespace

void LoadListRows(IRegistry& ARegistry, const std::string& AKeyPath,
                  const std::vector<std::string>& AColumns, std::vector<TListRow>& ARows,
                  std::size_t AMaxRows) {
    if (auto key = ARegistry.OpenKey(AKeyPath))
        LoadListRowsFrom(*key, AColumns, ARows, AMaxRows, true, ARegistry.Location());
}

void LoadListRowsFrom(const IRegistryKey& AKey, const std::vector<std::string>& AColumns,
                      std::vector<TListRow>& ARows, std::size_t AMaxRows, bool AReport,
                      const std::string& AWhere) {
    if (AColumns.empty())
        return;
    const std::optional<TRegValue> itemValue = AKey.QueryValue(kItemCount);
    const std::optional<TRegValue> columnValue = AKey.QueryValue(kColumnCount);
    if (!itemValue && !columnValue)
        return; // no list stored here
    // A count that is missing or of another type must not hide the rows below
    // it, or the next save would write a shorter list over them: the rows are
    // read as far as they are there, and the damage is said once.
    std::vector<std::string> damage;
    const auto count = [&](const char* AName, const std::optional<TRegValue>& AValue) {
        if (!AValue) {
            damage.push_back(std::string("'") + AName + "' is missing");
            return std::optional<std::uint32_t>();
        }
        if (const std::optional<std::uint32_t> number = RegDwordOf(*AValue))
            return number;
        damage.push_back(InvalidDataTypeMessage(AName));
        // A count stored as text holding a number still says how many rows there are.
        const std::optional<int> number =
            SettingValueToInteger(TSettingValue(RegTextOf(AValue).value_or("-")));
        return number && *number >= 0 ? std::optional<std::uint32_t>(*number) : std::nullopt;
    };
    std::optional<std::uint32_t> itemCount = count(kItemCount, itemValue);
    count(kColumnCount, columnValue);
    if (!itemCount)
        itemCount = StoredRowCount(AKey, AColumns, AMaxRows);
    // Every column of the list is read, also beyond a smaller "ColumnCount": a
    // cell that is stored survives the next save instead of being overwritten
    // with an empty text. A missing cell reads as empty anyway.
    const std::size_t columns = AColumns.size();
    bool reported = !AReport;
    const auto cell = [&](std::size_t AColumn, std::uint32_t ARow) {
        const std::string name = AColumns[AColumn] + std::to_string(ARow);
        std::optional<std::string> text = RegTextOf(AKey.QueryValue(name));
        if (!text && !reported) {
            ReportStorageError(InvalidDataTypeMessage(name));
            reported = true;
        }
        return text.value_or(std::string());
    };
    std::size_t read = 0;
    for (std::uint32_t row = 0; row < *itemCount && ARows.size() < AMaxRows; ++row) {
        TListRow item;
        item.Caption = cell(0, row);
        for (std::size_t column = 1; column < columns; ++column)
            item.SubItems.push_back(cell(column, row));
        item.SubItems.resize(AColumns.size() - 1);
        ARows.push_back(std::move(item));
        ++read;
    }
    if (!damage.empty() && AReport &&
        FirstCountReport(AWhere + '\n' + DataOf(itemValue) + '\n' + DataOf(columnValue))) {
        std::string why;
        for (const std::string& part : damage)
            why += (why.empty() ? "" : ", ") + part;
        // One row and any other count read differently in English: two sources.
        const int rows = static_cast<int>(read);
        const std::string message =
            read == 1 ? Tx("HighScoreTable", "The list in %1 could not be read as stored (%2): "
                                             "the 1 row found there is read and kept.")
                      : Tx("HighScoreTable",
                           "The list in %1 could not be read as stored (%2): the %n rows found "
                           "there are read and kept.",
                           nullptr, rows);
        ReportStorageError(TxArgs(message, {AWhere, why}));
    }
}

void SaveListRows(IRegistry& ARegistry, const std::string& AKeyPath,
                  const std::vector<std::string>& AColumns, const std::vector<TListRow>& ARows) {
    if (ARows.empty())
        return;
    auto key = ARegistry.CreateKey(AKeyPath);
    if (!key) {
        ReportSaveFailure(
            TSavedData::HighScores, ARegistry.Location(),
            TxArgs(Tx("StorageErrors", "the key %1 could not be created"), {AKeyPath}));
        return;
    }
    SaveListRowsTo(*key, AColumns, ARows);
    if (!key->Close())
        ReportSaveFailure(TSavedData::HighScores, ARegistry);
}

bool SaveListRowsTo(IRegistryKey& AKey, const std::vector<std::string>& AColumns,
                    const std::vector<TListRow>& ARows) {
    bool stored = true;
    const auto set = [&](const std::string& AName, const TRegValue& AValue) {
        if (!AKey.SetValue(AName, AValue)) {
            ReportStorageError(FailedToSetDataMessage(AName));
            stored = false;
        }
    };
    set(kItemCount, RegDwordValue(static_cast<std::uint32_t>(ARows.size())));
    set(kColumnCount, RegDwordValue(static_cast<std::uint32_t>(AColumns.size())));
    for (std::size_t row = 0; row < ARows.size(); ++row) {
        for (std::size_t column = 0; column < AColumns.size(); ++column) {
            const std::vector<std::string>& subItems = ARows[row].SubItems;
            std::string text;
            if (column == 0)
                text = ARows[row].Caption;
            else if (column - 1 < subItems.size())
                text = subItems[column - 1];
            set(AColumns[column] + std::to_string(row), RegStringValue(text));
        }
    }
    return stored;
}

std::vector<std::string> HighScoreColumnCaptions() {
    std::vector<std::string> captions;
    for (const THighScoreColumn& column : kHighScoreColumns)
        captions.emplace_back(column.Caption);
    return captions;
}

int CompareScoreTexts(const std::string& AFirst, const std::string& ASecond) {
    // A number goes above a text that is none, numbers go in numeric order (the
    // text order of the three-digit scores the game stores), and texts that are
    // no numbers go in text order below them all.
    const std::optional<int> first = SettingValueToInteger(TSettingValue(AFirst));
    const std::optional<int> second = SettingValueToInteger(TSettingValue(ASecond));
    if (first && second)
        return *first == *second ? 0 : (*first > *second ? -1 : 1);
    if (first || second)
        return first ? -1 : 1;
    // The second text compared with the first, so that the greater text comes first.
    const std::size_t common = std::min(AFirst.size(), ASecond.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto a = static_cast<unsigned char>(AsciiLower(ASecond[i]));
        const auto b = static_cast<unsigned char>(AsciiLower(AFirst[i]));
        if (a != b)
            return a < b ? -1 : 1;
    }
    if (ASecond.size() == AFirst.size())
        return 0;
    return ASecond.size() < AFirst.size() ? -1 : 1;
}

int ScoreTextValue(const std::string& AText) {
    return SettingValueToInteger(TSettingValue(AText)).value_or(0);
}

std::string ScoreDateText(int AYear, int AMonth, int ADay, const std::string& ASeparator) {
    char year[16], month[16], day[16];
    std::snprintf(year, sizeof year, "%04d", AYear);
    std::snprintf(month, sizeof month, "%02d", AMonth);
    std::snprintf(day, sizeof day, "%02d", ADay);
    return year + ASeparator + month + ASeparator + day;
}

THighScoreTable::THighScoreTable(std::unique_ptr<IRegistry> ARegistry)
    : FOwnedRegistry(std::move(ARegistry)), FRegistry(FOwnedRegistry.get()) {}

THighScoreTable::THighScoreTable(IRegistry& ARegistry) : FRegistry(&ARegistry) {}

THighScoreTable::~THighScoreTable() {
    if (FAdded.empty() || FRegistry == nullptr)
        return;
    // The last chance for results that earlier saves could not store.
    try {
        SaveToRegistry();
        if (FAdded.empty())
            return;
        std::string lost;
        for (const TListRow& row : FAdded)
            lost += (lost.empty() ? "" : ", ") + row.Caption + " (" + ScoreText(row) + ")";
        ReportStorageError(
            TxArgs(FAdded.size() == 1
                       ? Tx("HighScoreTable", "The high score of %1 was not saved and is lost.")
                       : Tx("HighScoreTable", "The high scores of %1 were not saved and are lost."),
                   {lost}));
    } catch (...) {
        ReportStorageError(
            Tx("HighScoreTable", "The new high scores were not saved and are lost."));
    }
}

std::string THighScoreTable::KeyPath() const {
    return AppKey();
}

void THighScoreTable::LoadFromRegistry() {
    LoadListRows(*FRegistry, PathBelowRoot(KeyPath()), HighScoreColumnCaptions(), FRows,
                 kHighScoreMaxRows);
}

void THighScoreTable::SaveToRegistry() {
    if (FAdded.empty())
        return;
    const std::vector<std::string> columns = HighScoreColumnCaptions();
    std::vector<TListRow> merged;
    bool written = false;
    const bool stored = FRegistry->UpdateKey(PathBelowRoot(KeyPath()), [&](IRegistryKey& AKey) {
        // Problems of the stored table were reported when it was loaded for
        // this game: read it again quietly.
        LoadListRowsFrom(AKey, columns, merged, kHighScoreMaxRows, false);
        for (const TListRow& row : FAdded)
            InsertRanked(merged, row);
        if (merged.size() > static_cast<std::size_t>(kHighScoreMaxRows))
            merged.resize(kHighScoreMaxRows);
        written = SaveListRowsTo(AKey, columns, merged);
    });
    if (stored && written) {
        FAdded.clear();
        FRows = std::move(merged);
    } else if (!stored) {
        ReportSaveFailure(TSavedData::HighScores, *FRegistry);
    }
}

std::size_t THighScoreTable::AddScore(int AScore, const std::string& AName,
                                      const std::string& ADate) {
    if (FRows.size() == static_cast<std::size_t>(kHighScoreMaxRows))
        DeleteLastItem();
    TListRow row{AName, {std::to_string(AScore), ADate}};
    FAdded.push_back(row);
    return InsertRanked(FRows, std::move(row));
}

int THighScoreTable::LowestScore() const {
    if (FRows.empty() || FRows.back().SubItems.empty())
        return 0;
    return ScoreTextValue(FRows.back().SubItems[0]);
}

void THighScoreTable::DeleteLastItem() {
    if (!FRows.empty())
        FRows.pop_back();
}
