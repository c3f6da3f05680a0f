#pragma once
// Storage failures are reported, never thrown at the caller: a player must not
// lose the game (or the rest of the settings) because one stored value is bad.
// The application installs a reporter that shows an error box; tests record.

#include <functional>
#include <string>

using TStorageErrorReporter = std::function<void(const std::string&)>;

// Replaces the reporter; an empty function restores the default (standard error).
void SetStorageErrorReporter(TStorageErrorReporter AReporter);
// Hands AMessage to the reporter. Never throws.
void ReportStorageError(const std::string& AMessage) noexcept;

// What a save was for: a failed save is reported once per kind and place.
enum class TSavedData { Settings, HighScores };

// "The settings could not be saved to <where>: <why>." The game saves several
// times in a run (each high score, the settings at exit): the failure is said
// the first time for each kind of data and place, and the later ones are
// silent. An empty AWhy says nothing: the player has been told already.
void ReportSaveFailure(TSavedData AData, const std::string& AWhere, const std::string& AWhy);

// The texts of the two registry failures, with the value name in place of %s.
std::string InvalidDataTypeMessage(const std::string& AValueName);
std::string FailedToSetDataMessage(const std::string& AValueName);
