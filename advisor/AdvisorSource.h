#pragma once
// What the window and the game review need from the advisor: a table that is
// computed on demand, reports its progress and then answers for any position.
// The table service implements it above game/; tests use fakes.

#include "advisor/Advisor.h"

#include <functional>
#include <string>

class IAdvisorSource {
public:
    virtual ~IAdvisorSource() = default;
    // True once the table is in memory; Advise and NewGameExpectation need it.
    virtual bool Ready() const = 0;
    // Makes the table ready: at once when it can be loaded, else it starts
    // computing it (unless that is under way) and OnChanged reports the end.
    virtual void Request() = 0;
    // The share of the table computed so far, 0..1.
    virtual double Progress() const = 0;
    virtual TAdvice Advise(const TTurnPosition& APosition) const = 0;
    virtual double NewGameExpectation() const = 0;
    // Why the table could be neither loaded nor computed; empty unless the last
    // request failed. The next Request tries again.
    virtual std::string Failure() const { return {}; }

    // Called on the thread that owns the source when the progress moves on, the
    // table becomes ready or the request fails.
    std::function<void()> OnChanged;
};
