#include "advisor/AdvisorWorker.h"

#include "game/Texts.h"
#include "game/TolmirError.h"

#include <chrono>
#include <cmath>

TAdvisorWorker::TAdvisorWorker(std::filesystem::path ACachePath, std::function<void()> ANotify,
                               TCompute ACompute)
    : FCachePath(std::move(ACachePath)), FWork(std::make_shared<TWork>()) {
    FWork->Notify = std::move(ANotify);
    FWork->Compute = std::move(ACompute);
}

TAdvisorWorker::~TAdvisorWorker() {
    FWork->Cancel.store(true);
    std::unique_lock lock(FWork->Mutex);
    FWork->Notify = nullptr;
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

void TAdvisorWorker::Request() {
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
void TAdvisorWorker::Work(const std::shared_ptr<TWork>& AWork,
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
        // Without memory for the notice the window learns of it at the next request.
    }
    const std::lock_guard lock(AWork->Mutex);
    AWork->Finished = true;
    AWork->FinishedChanged.notify_all();
}

void TAdvisorWorker::ReportProgress(TWork& AWork, double AShare) {
    AWork.Progress.store(AShare, std::memory_order_relaxed);
    // Tell the window once per whole percent, not for every step of the computation.
    const int percent = static_cast<int>(std::floor(AShare * 100.0));
    if (AWork.ReportedPercent.exchange(percent) != percent) {
        Notify(AWork);
    }
}

// Called under the lock: the owner cannot go while a notice is being passed on.
void TAdvisorWorker::Notify(TWork& AWork) {
    const std::lock_guard lock(AWork.Mutex);
    if (AWork.Notify) {
        AWork.Notify();
    }
}

TAdvice TAdvisorWorker::Advise(const TTurnPosition& APosition) const {
    if (!Ready()) {
        throw TolmirError(Tx("AdvisorWorker", "The advisor's table is not ready yet."));
    }
    return FWork->Table.Advise(APosition);
}

double TAdvisorWorker::NewGameExpectation() const {
    if (!Ready()) {
        throw TolmirError(Tx("AdvisorWorker", "The advisor's table is not ready yet."));
    }
    return FWork->Table.NewGameExpectation();
}

std::exception_ptr TAdvisorWorker::Failure() const {
    return FWork->Failed.load(std::memory_order_acquire) ? FWork->Error : nullptr;
}
