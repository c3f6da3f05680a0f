#include "storage/StorageErrors.h"

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
    const char* what = AData == TSavedData::Settings ? "settings" : "high scores";
    ReportStorageError(std::string("The ") + what + " could not be saved to " + AWhere + ": " +
                       AWhy + ".");
}

std::string InvalidDataTypeMessage(const std::string& AValueName) {
    return "Invalid data type for '" + AValueName + "'";
}

std::string FailedToSetDataMessage(const std::string& AValueName) {
    return "Failed to set data for '" + AValueName + "'";
}
