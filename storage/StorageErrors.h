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

// The texts of the two registry failures, with the value name in place of %s.
std::string InvalidDataTypeMessage(const std::string& AValueName);
std::string FailedToSetDataMessage(const std::string& AValueName);
