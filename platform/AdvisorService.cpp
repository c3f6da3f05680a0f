#include "platform/AdvisorService.h"

#include "files/UserFolders.h"
#include "platform/Application.h"

#include <QFile>
#include <QStandardPaths>

QString TAdvisorService::DefaultCachePath() {
#ifdef Q_OS_WIN
    // %LOCALAPPDATA%
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    const QString folder = QFile::decodeName(UserCacheFolder().c_str());
#endif
    // No known folder: no cache file, never one in the current directory.
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/Varnholt/Tolmir/advisor.table");
}

// The worker's notices come from its thread: each is posted to this object's.
TAdvisorService::TAdvisorService(QString ACachePath, QObject* AParent, TCompute ACompute)
    : QObject(AParent), FWorker(
                            QFile::encodeName(ACachePath).toStdString(),
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
