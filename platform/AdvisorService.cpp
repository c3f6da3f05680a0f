#include "AdvisorService.h"

#include "Application.h"
#include "TolmirError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cmath>

QString TAdvisorService::DefaultCachePath() {
#ifdef Q_OS_WIN
    const auto location = QStandardPaths::GenericDataLocation; // %LOCALAPPDATA%
#else
    const auto location = QStandardPaths::GenericCacheLocation;
#endif
    return QStandardPaths::writableLocation(location) +
           QStringLiteral("/Varnholt/Tolmir/advisor.table");
}

TAdvisorService::TAdvisorService(QString ACachePath, QObject* AParent)
    : QObject(AParent), FCachePath(std::move(ACachePath)) {}

TAdvisorService::~TAdvisorService() {
    FCancel.store(true);
    if (FWorker.joinable()) {
        FWorker.join();
    }
}

void TAdvisorService::Request() {
    if (Ready()) {
        return;
    }
    if (FWorker.joinable()) {
        if (!FFailed.load(std::memory_order_acquire)) {
            return; // under way
        }
        FWorker.join(); // it has failed and ended: try again
        FFailed.store(false, std::memory_order_relaxed);
        FError = nullptr;
        FProgress.store(0.0, std::memory_order_relaxed);
        FReportedPercent.store(-1, std::memory_order_relaxed);
    }
    FWorker = std::thread([this] { Work(); });
}

bool TAdvisorService::Build(TAdvisorTable& ATable, const std::string& APath) {
    if (ATable.Load(APath)) {
        FLoadedFromCache.store(true, std::memory_order_release);
        return true;
    }
    if (!ATable.Compute([this](double AShare) { ReportProgress(AShare); }, &FCancel)) {
        return false;
    }
    // A cache that cannot be written costs only the next start's computation.
    QDir().mkpath(QFileInfo(FCachePath).absolutePath());
    ATable.Save(APath);
    return true;
}

// Nothing may leave the worker thread: an exception there would end the
// program, so the failure is kept for the window to show.
void TAdvisorService::Work() {
    try {
        if (!Build(FTable, QFile::encodeName(FCachePath).toStdString())) {
            return; // cancelled: the window is going away
        }
        FProgress.store(1.0, std::memory_order_relaxed);
        FReady.store(true, std::memory_order_release);
    } catch (...) {
        FError = std::current_exception();
        FFailed.store(true, std::memory_order_release);
    }
    try {
        QMetaObject::invokeMethod(
            this, [this] { Changed(); }, Qt::QueuedConnection);
    } catch (...) {
        // Without memory for the message the window learns of it at the next request.
    }
}

void TAdvisorService::ReportProgress(double AShare) {
    FProgress.store(AShare, std::memory_order_relaxed);
    // Tell the window once per whole percent, not for every step of the computation.
    const int percent = static_cast<int>(std::floor(AShare * 100.0));
    if (FReportedPercent.exchange(percent) != percent) {
        QMetaObject::invokeMethod(
            this, [this] { Changed(); }, Qt::QueuedConnection);
    }
}

void TAdvisorService::Changed() {
    if (OnChanged) {
        OnChanged();
    }
}

TAdvice TAdvisorService::Advise(const TTurnPosition& APosition) const {
    if (!Ready()) {
        throw TolmirError("The advisor's table is not ready yet.");
    }
    return FTable.Advise(APosition);
}

std::string TAdvisorService::Failure() const {
    return FFailed.load(std::memory_order_acquire) ? Application::ExceptionText(FError)
                                                   : std::string();
}

double TAdvisorService::NewGameExpectation() const {
    if (!Ready()) {
        throw TolmirError("The advisor's table is not ready yet.");
    }
    return FTable.NewGameExpectation();
}
