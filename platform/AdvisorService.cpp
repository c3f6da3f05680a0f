#include "platform/AdvisorService.h"

#include "files/UserFolders.h"
#include "platform/Application.h"

#include <QStandardPaths>

std::filesystem::path TAdvisorService::DefaultCachePath() {
#ifdef Q_OS_WIN
    // %LOCALAPPDATA%
    const std::filesystem::path folder(
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdU16String());
#else
    // Never through a QString: a folder name that is no UTF-8 would not come back.
    const std::filesystem::path folder = UserCacheFolder();
#endif
    // No known folder: no cache file, never one in the current directory.
    return folder.is_absolute() ? folder / "Varnholt" / "Tolmir" / "advisor.table"
                                : std::filesystem::path();
}

// The worker's notices come from its thread: each is posted to this object's.
TAdvisorService::TAdvisorService(std::filesystem::path ACachePath, QObject* AParent,
                                 TCompute ACompute)
    : QObject(AParent), FWorker(
                            std::move(ACachePath),
                            [this] {
                                QMetaObject::invokeMethod(
                                    this, [this] { Changed(); }, Qt::QueuedConnection);
                            },
                            std::move(ACompute)) {}

void TAdvisorService::Changed() {
    if (OnChanged) {
        OnChanged();
    }
}

TAdvice TAdvisorService::Advise(const TTurnPosition& APosition) const {
    return FWorker.Advise(APosition);
}

double TAdvisorService::NewGameExpectation() const {
    return FWorker.NewGameExpectation();
}

std::string TAdvisorService::Failure() const {
    const std::exception_ptr failure = FWorker.Failure();
    return failure ? Application::ExceptionText(failure) : std::string();
}
