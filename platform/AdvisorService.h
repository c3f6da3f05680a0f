#pragma once
// The advisor's table for the window: the worker (advisor/AdvisorWorker.h) with
// the cache file under the user's cache folder, its notices passed on to the
// window's thread as OnChanged.

#include "advisor/AdvisorSource.h"
#include "advisor/AdvisorWorker.h"

#include <QObject>

#include <filesystem>
#include <string>

class TAdvisorService : public QObject, public IAdvisorSource {
    Q_OBJECT

public:
    // The cache file under the user's cache folder ($XDG_CACHE_HOME/Varnholt/Tolmir;
    // on Windows the local application data folder). The folder's name is kept as
    // the environment gives it, byte for byte, also where it is no UTF-8.
    static std::filesystem::path DefaultCachePath();

    using TCompute = TAdvisorWorker::TCompute;

    explicit TAdvisorService(std::filesystem::path ACachePath = DefaultCachePath(),
                             QObject* AParent = nullptr, TCompute ACompute = {});

    bool Ready() const override { return FWorker.Ready(); }
    void Request() override { FWorker.Request(); }
    double Progress() const override { return FWorker.Progress(); }
    TAdvice Advise(const TTurnPosition& APosition) const override;
    double NewGameExpectation() const override;
    std::string Failure() const override;

    // True when the table came from the cache file rather than a computation.
    bool LoadedFromCache() const { return FWorker.LoadedFromCache(); }

private:
    void Changed();

    // Goes before the QObject part, which drops the notices still queued for it.
    TAdvisorWorker FWorker;
};
