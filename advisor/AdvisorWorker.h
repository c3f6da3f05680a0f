#pragma once
// The advisor's table on a worker thread: loaded from its cache file when it is
// first asked for (at once, on the asking thread), or else computed on a thread
// of its own and then saved to the cache file. A missing, damaged or foreign
// cache file is computed again and replaced. The window's side (platform/
// AdvisorService.h) passes the notices on to its own thread.

#include "advisor/Advisor.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class TAdvisorWorker {
public:
    // Works out the table on the worker thread; false when cancelled. The default
    // computes it; tests pass one that fails.
    using TCompute =
        std::function<bool(TAdvisorTable& ATable, const std::function<void(double)>& AProgress,
                           const std::atomic<bool>* ACancel)>;

    // ACachePath is used only when it is absolute: never a file in the current
    // directory. ANotify is called on the worker thread once per whole percent
    // of progress, and when the table is ready or the computation failed.
    TAdvisorWorker(std::filesystem::path ACachePath, std::function<void()> ANotify,
                   TCompute ACompute = {});
    // Stops a computation under way and calls ANotify no more. A worker that
    // does not end within moments (a file system that hangs) is left behind with
    // what it uses: the program never waits for it to end.
    ~TAdvisorWorker();
    TAdvisorWorker(const TAdvisorWorker&) = delete;
    TAdvisorWorker& operator=(const TAdvisorWorker&) = delete;

    bool Ready() const { return FWork->Ready.load(std::memory_order_acquire); }
    // Loads the table, or starts computing it unless that is under way; after a
    // failure, tries again.
    void Request();
    double Progress() const { return FWork->Progress.load(std::memory_order_relaxed); }
    // Both throw TolmirError while the table is not ready.
    TAdvice Advise(const TTurnPosition& APosition) const;
    double NewGameExpectation() const;
    // What the last request failed with; null unless it failed.
    std::exception_ptr Failure() const;
    // True when the table came from the cache file rather than a computation.
    bool LoadedFromCache() const { return FWork->LoadedFromCache.load(std::memory_order_acquire); }

private:
    // What the worker uses, shared with it so that it may outlive this object.
    struct TWork {
        TAdvisorTable Table; // written by the worker until Ready, then only read
        std::atomic<bool> Ready{false};
        std::atomic<bool> Cancel{false};
        std::atomic<double> Progress{0.0};
        std::atomic<int> ReportedPercent{-1};
        std::atomic<bool> LoadedFromCache{false};
        TCompute Compute;
        // Written by the worker before it sets Failed, read only after that.
        std::exception_ptr Error;
        std::atomic<bool> Failed{false};
        std::mutex Mutex;             // guards the two fields below
        std::function<void()> Notify; // empty once the owner is gone
        bool Finished = false;
        std::condition_variable FinishedChanged;
    };
    static void Work(const std::shared_ptr<TWork>& AWork, const std::filesystem::path& ACachePath);
    static void ReportProgress(TWork& AWork, double AShare);
    static void Notify(TWork& AWork);

    std::filesystem::path FCachePath;
    std::shared_ptr<TWork> FWork;
    std::thread FWorker;
};
