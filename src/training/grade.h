// How a decision is graded, as players grade their own: correct (the best hold, or one worth as
// much), minor (it gives up less than a share of the bet), major (more).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

enum class EGrade { Correct, Minor, Major };

// The share of the bet below which a mistake is minor, unless the player sets another.
constexpr double kDefaultMinorShare = 0.01;

// From the expected pays per coin of the best hold and the hold played, both in 1/nUnit coins:
// what the hold gives up per coin bet, against dMinorShare.
EGrade GradeOf(std::int64_t nBestPay, std::int64_t nHeldPay, std::int64_t nUnit,
               double dMinorShare);
// "correct", "minor", "major": the history's words.
const char* GradeKey(EGrade eGrade);
// "Correct", "Minor mistake", "Major mistake": the coach's.
const char* GradeWords(EGrade eGrade);
std::optional<EGrade> ParseGrade(std::string_view strKey);
