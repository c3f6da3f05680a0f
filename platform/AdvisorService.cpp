#include "AdvisorService.h"

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
    if (Ready() || FWorker.joinable()) {
        return;
    }
    // Loading the cache takes milliseconds: the request that finds it is answered at once.
    if (FTable.Load(QFile::encodeName(FCachePath).toStdString())) {
        FLoadedFromCache = true;
        FProgress.store(1.0, std::memory_order_relaxed);
        FReady.store(true, std::memory_order_release);
        return;
    }
    FWorker = std::thread([this] { Work(); });
}

void TAdvisorService::Work() {
    const bool ready = FTable.Compute([this](double AShare) { ReportProgress(AShare); }, &FCancel);
    if (!ready) {
        return; // cancelled: the window is going away
    }
    // A cache that cannot be written costs only the next start's computation.
    QDir().mkpath(QFileInfo(FCachePath).absolutePath());
    FTable.Save(QFile::encodeName(FCachePath).toStdString());
    FProgress.store(1.0, std::memory_order_relaxed);
    FReady.store(true, std::memory_order_release);
    QMetaObject::invokeMethod(
        this, [this] { Changed(); }, Qt::QueuedConnection);
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

double TAdvisorService::NewGameExpectation() const {
    if (!Ready()) {
        throw TolmirError("The advisor's table is not ready yet.");
    }
    return FTable.NewGameExpectation();
}
