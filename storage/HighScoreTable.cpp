#include "HighScoreTable.h"

#include "HighScoreRules.h"
#include "RegistryKeyPath.h"
#include "SettingValue.h"
#include "StorageErrors.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr const char* kItemCount = "ItemCount";
constexpr const char* kColumnCount = "ColumnCount";

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

void LoadListRows(IRegistry& ARegistry, const std::string& AKeyPath,
                  const std::vector<std::string>& AColumns, std::vector<TListRow>& ARows,
                  std::size_t AMaxRows) {
    if (AColumns.empty())
        return;
    auto key = ARegistry.OpenKey(AKeyPath);
    if (!key)
        return;
    // A count of another type hides stored rows that the next save would
    // overwrite, so it is reported; a missing count just means no table.
    const auto count = [&](const char* AName) -> std::optional<std::uint32_t> {
        const std::optional<TRegValue> value = key->QueryValue(AName);
        if (!value)
            return std::nullopt;
        const std::optional<std::uint32_t> number = RegDwordOf(*value);
        if (!number)
            ReportStorageError(InvalidDataTypeMessage(AName));
        return number;
    };
    const auto itemCount = count(kItemCount);
    const auto columnCount = count(kColumnCount);
    if (!itemCount || !columnCount)
        return;
    // Every column of the list is read, also beyond a smaller "ColumnCount": a
    // cell that is stored survives the next save instead of being overwritten
    // with an empty text. A missing cell reads as empty anyway.
    const std::size_t columns = AColumns.size();
    bool reported = false;
    const auto cell = [&](std::size_t AColumn, std::uint32_t ARow) {
        const std::string name = AColumns[AColumn] + std::to_string(ARow);
        std::optional<std::string> text = RegTextOf(key->QueryValue(name));
        if (!text && !reported) {
            ReportStorageError(InvalidDataTypeMessage(name));
            reported = true;
        }
        return text.value_or(std::string());
    };
    for (std::uint32_t row = 0; row < *itemCount && ARows.size() < AMaxRows; ++row) {
        TListRow item;
        item.Caption = cell(0, row);
        for (std::size_t column = 1; column < columns; ++column)
            item.SubItems.push_back(cell(column, row));
        item.SubItems.resize(AColumns.size() - 1);
        ARows.push_back(std::move(item));
    }
}

void SaveListRows(IRegistry& ARegistry, const std::string& AKeyPath,
                  const std::vector<std::string>& AColumns, const std::vector<TListRow>& ARows) {
    if (ARows.empty())
        return;
    auto key = ARegistry.CreateKey(AKeyPath);
    if (!key) {
        ReportStorageError("The high scores could not be saved: the registry key " + AKeyPath +
                           " could not be created.");
        return;
    }
    const auto set = [&](const std::string& AName, const TRegValue& AValue) {
        if (!key->SetValue(AName, AValue))
            ReportStorageError(FailedToSetDataMessage(AName));
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
    key->Close();
}

std::vector<std::string> HighScoreColumnCaptions() {
    std::vector<std::string> captions;
    for (const THighScoreColumn& column : kHighScoreColumns)
        captions.emplace_back(column.Caption);
    return captions;
}

int CompareScoreTexts(const std::string& AFirst, const std::string& ASecond) {
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
    : FRegistry(std::move(ARegistry)) {}

std::string THighScoreTable::KeyPath() const {
    return AppKey();
}

void THighScoreTable::LoadFromRegistry() {
    LoadListRows(*FRegistry, PathBelowRoot(KeyPath()), HighScoreColumnCaptions(), FRows,
                 kHighScoreMaxRows);
}

void THighScoreTable::SaveToRegistry() {
    SaveListRows(*FRegistry, PathBelowRoot(KeyPath()), HighScoreColumnCaptions(), FRows);
}

std::size_t THighScoreTable::AddScore(int AScore, const std::string& AName,
                                      const std::string& ADate) {
    if (FRows.size() == static_cast<std::size_t>(kHighScoreMaxRows))
        DeleteLastItem();
    std::vector<std::pair<TListRow, bool>> rows;
    for (TListRow& row : FRows)
        rows.emplace_back(std::move(row), false);
    rows.emplace_back(TListRow{AName, {std::to_string(AScore), ADate}}, true);
    std::stable_sort(rows.begin(), rows.end(), [](const auto& A, const auto& B) {
        return CompareScoreTexts(A.first.SubItems.at(0), B.first.SubItems.at(0)) < 0;
    });
    FRows.clear();
    std::size_t added = 0;
    for (auto& [row, isNew] : rows) {
        if (isNew)
            added = FRows.size();
        FRows.push_back(std::move(row));
    }
    return added;
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
