#pragma once
// A refused player action or a storage failure: an exception carrying the exact
// text that the error box shows.

#include <stdexcept>
#include <string>

class TolmirError : public std::runtime_error {
public:
    explicit TolmirError(const std::string& AMessage) : std::runtime_error(AMessage) {}
};
