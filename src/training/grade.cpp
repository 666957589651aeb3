#include "training/grade.h"

#include <array>

namespace {

constexpr std::array<const char*, 3> kKeys = {"correct", "minor", "major"};
constexpr std::array<const char*, 3> kWords = {"Correct", "Minor mistake", "Major mistake"};

}  // namespace

EGrade GradeOf(std::int64_t nBestPay, std::int64_t nHeldPay, std::int64_t nUnit,
               double dMinorShare) {
    // Exact pays compare exactly: an equal hold is as good as the best one.
    if (nHeldPay >= nBestPay) return EGrade::Correct;
    const double dCostPerCoin =
        static_cast<double>(nBestPay - nHeldPay) / static_cast<double>(nUnit);
    return dCostPerCoin < dMinorShare ? EGrade::Minor : EGrade::Major;
}

const char* GradeKey(EGrade eGrade) {
    return kKeys[static_cast<size_t>(eGrade)];
}

const char* GradeWords(EGrade eGrade) {
    return kWords[static_cast<size_t>(eGrade)];
}

std::optional<EGrade> ParseGrade(std::string_view strKey) {
    for (size_t i = 0; i < kKeys.size(); ++i)
        if (strKey == kKeys[i]) return static_cast<EGrade>(i);
    return std::nullopt;
}
