#include "StorageErrors.h"

#include <cstdio>
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

std::string InvalidDataTypeMessage(const std::string& AValueName) {
    return "Invalid data type for '" + AValueName + "'";
}

std::string FailedToSetDataMessage(const std::string& AValueName) {
    return "Failed to set data for '" + AValueName + "'";
}
