#pragma once
// The advisor's table for the window: loaded from its cache file or computed
// on a worker thread the first time it is asked for, never at start-up. A
// missing, damaged or foreign cache file is computed again and replaced.

#include "AdvisorSource.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <exception>
#include <string>
#include <thread>

class TAdvisorService : public QObject, public IAdvisorSource {
    Q_OBJECT

public:
    // The cache file under the user's cache folder ($XDG_CACHE_HOME/Varnholt/Tolmir;
    // on Windows the local application data folder).
    static QString DefaultCachePath();

    explicit TAdvisorService(QString ACachePath = DefaultCachePath(), QObject* AParent = nullptr);
    // Stops a computation under way and waits for the worker.
    ~TAdvisorService() override;

    bool Ready() const override { return FReady.load(std::memory_order_acquire); }
    void Request() override;
    double Progress() const override { return FProgress.load(std::memory_order_relaxed); }
    TAdvice Advise(const TTurnPosition& APosition) const override;
    double NewGameExpectation() const override;
    std::string Failure() const override;

    // True when the table came from the cache file rather than a computation.
    bool LoadedFromCache() const { return FLoadedFromCache.load(std::memory_order_acquire); }

protected:
    // Loads the table from the cache file or computes and caches it, on the
    // worker thread; false when cancelled. Tests replace it, and let the worker
    // end before the service goes.
    virtual bool Build(TAdvisorTable& ATable, const std::string& APath);

private:
    void Work();
    void ReportProgress(double AShare);
    void Changed();

    QString FCachePath;
    TAdvisorTable FTable; // written by the worker until FReady, then only read
    std::atomic<bool> FReady{false};
    std::atomic<bool> FCancel{false};
    std::atomic<double> FProgress{0.0};
    std::atomic<int> FReportedPercent{-1};
    std::atomic<bool> FLoadedFromCache{false};
    // Written by the worker before it sets FFailed, read only after that.
    std::exception_ptr FError;
    std::atomic<bool> FFailed{false};
    std::thread FWorker;
};
