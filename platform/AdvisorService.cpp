#include "AdvisorService.h"

#include "Application.h"
#include "TolmirError.h"
#include "UserFolders.h"

#include <QStandardPaths>

#include <chrono>
#include <cmath>

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

TAdvisorService::TAdvisorService(std::filesystem::path ACachePath, QObject* AParent,
                                 TCompute ACompute)
    : QObject(AParent), FCachePath(std::move(ACachePath)), FWork(std::make_shared<TWork>()) {
    FWork->Service = this;
    FWork->Compute = std::move(ACompute);
}

TAdvisorService::~TAdvisorService() {
    FWork->Cancel.store(true);
    std::unique_lock lock(FWork->Mutex);
    FWork->Service = nullptr;
    if (!FWorker.joinable()) {
        return;
    }
    // A cancelled computation ends within moments.
    constexpr auto kCancelTime = std::chrono::seconds(1);
    if (FWork->FinishedChanged.wait_for(lock, kCancelTime, [this] { return FWork->Finished; })) {
        lock.unlock();
        FWorker.join();
    } else {
        FWorker.detach();
    }
}

void TAdvisorService::Request() {
    if (Ready()) {
        return;
    }
    if (FWorker.joinable()) {
        if (!FWork->Failed.load(std::memory_order_acquire)) {
            return; // under way
        }
        FWorker.join(); // it has failed and ended: try again
        const std::lock_guard lock(FWork->Mutex);
        FWork->Failed.store(false, std::memory_order_relaxed);
        FWork->Error = nullptr;
        FWork->Finished = false;
        FWork->Progress.store(0.0, std::memory_order_relaxed);
        FWork->ReportedPercent.store(-1, std::memory_order_relaxed);
    }
    // Loading the cache takes milliseconds: the request that finds it is answered at once.
    // Only an absolute path is used: never a file in the current directory.
    if (FCachePath.is_absolute() && FWork->Table.Load(FCachePath)) {
        FWork->LoadedFromCache.store(true, std::memory_order_release);
        FWork->Progress.store(1.0, std::memory_order_relaxed);
        FWork->Ready.store(true, std::memory_order_release);
        return;
    }
    FWorker = std::thread([work = FWork, path = FCachePath] { Work(work, path); });
}

// Nothing may leave the worker thread: an exception there would end the
// program, so the failure is kept for the window to show.
void TAdvisorService::Work(const std::shared_ptr<TWork>& AWork,
                           const std::filesystem::path& ACachePath) {
    try {
        const auto progress = [&](double AShare) { ReportProgress(*AWork, AShare); };
        const bool ready = AWork->Compute ? AWork->Compute(AWork->Table, progress, &AWork->Cancel)
                                          : AWork->Table.Compute(progress, &AWork->Cancel);
        if (ready && ACachePath.is_absolute()) {
            // A cache that cannot be written costs only the next start's computation.
            AWork->Table.Save(ACachePath);
        }
        if (ready) {
            AWork->Progress.store(1.0, std::memory_order_relaxed);
            AWork->Ready.store(true, std::memory_order_release);
        }
    } catch (...) {
        AWork->Error = std::current_exception();
        AWork->Failed.store(true, std::memory_order_release);
    }
    try {
        if (AWork->Ready.load(std::memory_order_acquire) ||
            AWork->Failed.load(std::memory_order_acquire)) {
            Notify(*AWork);
        }
    } catch (...) {
        // Without memory for the message the window learns of it at the next request.
    }
    const std::lock_guard lock(AWork->Mutex);
    AWork->Finished = true;
    AWork->FinishedChanged.notify_all();
}

void TAdvisorService::ReportProgress(TWork& AWork, double AShare) {
    AWork.Progress.store(AShare, std::memory_order_relaxed);
    // Tell the window once per whole percent, not for every step of the computation.
    const int percent = static_cast<int>(std::floor(AShare * 100.0));
    if (AWork.ReportedPercent.exchange(percent) != percent) {
        Notify(AWork);
    }
}

// Posted under the lock: the service cannot go before the event is queued, and
// a service that goes drops the events queued for it.
void TAdvisorService::Notify(TWork& AWork) {
    const std::lock_guard lock(AWork.Mutex);
    if (TAdvisorService* service = AWork.Service) {
        QMetaObject::invokeMethod(
            service, [service] { service->Changed(); }, Qt::QueuedConnection);
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
    return FWork->Table.Advise(APosition);
}

std::string TAdvisorService::Failure() const {
    return FWork->Failed.load(std::memory_order_acquire) ? Application::ExceptionText(FWork->Error)
                                                         : std::string();
}

double TAdvisorService::NewGameExpectation() const {
    if (!Ready()) {
        throw TolmirError("The advisor's table is not ready yet.");
    }
    return FWork->Table.NewGameExpectation();
}
