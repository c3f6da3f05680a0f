#include "storage/StorageErrors.h"
#include "game/Texts.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <utility>

namespace {

TStorageErrorReporter& Reporter() {
    static TStorageErrorReporter FReporter;
    return FReporter;
}

} // namespace

void SetStorageErrorReporter(TStorageErrorReporter AReporter) {
    Reporter() = std::move(AReporter);
}

void ReportStorageError(const std::string& AMessage) noexcept {
    try {
        if (Reporter()) {
            Reporter()(AMessage);
            return;
        }
    } catch (...) {
        // A failing reporter must not take the caller down; fall back to stderr.
    }
    std::fprintf(stderr, "Tolmir: %s\n", AMessage.c_str());
}

void ReportSaveFailure(TSavedData AData, const std::string& AWhere, const std::string& AWhy) {
    if (AWhy.empty())
        return;
    static std::mutex FMutex;
    static std::set<std::pair<TSavedData, std::string>> FReported;
    {
        std::lock_guard lock(FMutex);
        if (!FReported.emplace(AData, AWhere).second)
            return;
    }
    const std::string message =
        AData == TSavedData::Settings
            ? Tx("StorageErrors", "The settings could not be saved to %1: %2.")
            : Tx("StorageErrors", "The high scores could not be saved to %1: %2.");
    ReportStorageError(TxArgs(message, {AWhere, AWhy}));
}

std::string InvalidDataTypeMessage(const std::string& AValueName) {
    return TxArgs(Tx("StorageErrors", "Invalid data type for '%1'"), {AValueName});
}

std::string FailedToSetDataMessage(const std::string& AValueName) {
    return TxArgs(Tx("StorageErrors", "Failed to set data for '%1'"), {AValueName});
}
