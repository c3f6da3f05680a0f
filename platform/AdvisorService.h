#pragma once
// The advisor's table for the window: loaded from its cache file when it is
// first asked for (at once, on the asking thread), or else computed on a worker
// thread; never at start-up. A missing, damaged or foreign cache file is
// computed again and replaced.

#include "AdvisorSource.h"

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class TAdvisorService : public QObject, public IAdvisorSource {
    Q_OBJECT

public:
    // The cache file under the user's cache folder ($XDG_CACHE_HOME/Varnholt/Tolmir;
    // on Windows the local application data folder). The folder's name is kept as
    // the environment gives it, byte for byte, also where it is no UTF-8.
    static std::filesystem::path DefaultCachePath();

    // Works out the table on the worker thread; false when cancelled. The default
    // computes it; tests pass one that fails.
    using TCompute =
        std::function<bool(TAdvisorTable& ATable, const std::function<void(double)>& AProgress,
                           const std::atomic<bool>* ACancel)>;

    explicit TAdvisorService(std::filesystem::path ACachePath = DefaultCachePath(),
                             QObject* AParent = nullptr, TCompute ACompute = {});
    // Stops a computation under way. A worker that does not end within moments
    // (a file system that hangs) is left behind with what it uses: the program
    // never waits for it to end.
    ~TAdvisorService() override;

    bool Ready() const override { return FWork->Ready.load(std::memory_order_acquire); }
    void Request() override;
    double Progress() const override { return FWork->Progress.load(std::memory_order_relaxed); }
    TAdvice Advise(const TTurnPosition& APosition) const override;
    double NewGameExpectation() const override;
    std::string Failure() const override;

    // True when the table came from the cache file rather than a computation.
    bool LoadedFromCache() const { return FWork->LoadedFromCache.load(std::memory_order_acquire); }

private:
    // What the worker uses, shared with it so that it may outlive the service.
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
        std::mutex Mutex;                   // guards the two fields below
        TAdvisorService* Service = nullptr; // told of progress; null once it is gone
        bool Finished = false;
        std::condition_variable FinishedChanged;
    };
    static void Work(const std::shared_ptr<TWork>& AWork, const std::filesystem::path& ACachePath);
    static void ReportProgress(TWork& AWork, double AShare);
    static void Notify(TWork& AWork);
    void Changed();

    std::filesystem::path FCachePath;
    std::shared_ptr<TWork> FWork;
    std::thread FWorker;
};
