#pragma once
// The advisor's choices in words, as the hint line and the game review show them.

#include "advisor/Advisor.h"

#include <array>
#include <string>

// The help file's topic on the advisor and the game review.
constexpr int kAdvisorHelpTopic = 500;

// One decimal, with the decimal separator of the player's language: "187.4".
std::string ExpectedText(double AValue);
// "Full", "Tolmir", "line 5" for the number lines.
std::string LineName(int ARow);
// "Keep 5 5 5" (kept values, ascending), "Roll all dice" or "Write Full".
std::string DescribeOption(const TAdviceOption& AOption, const std::array<int, 5>& ADice);
// The choice the hint shows: the best one, a roll with every die held left out.
// Null when there is none.
const TAdviceOption* HintChoice(const TAdvice& AAdvice);
// The hint's choice with its expected final Total, then the best choice of the
// other kind, if any: "Keep 5 5 5: expected total 187.4; writing Full now: 176.9".
std::string HintText(const TAdvice& AAdvice, const std::array<int, 5>& ADice);
