#pragma once
// The two choice lists of the Finance box: how often payments are made (with
// the number of payment periods per year of each entry) and when in the
// period they are made (the index is the annuity timing type).

#include <array>
#include <string_view>

namespace quorvix {

struct PaymentFrequency {
    std::string_view text;
    int periodsPerYear;
};

inline constexpr std::array<PaymentFrequency, 7> kPaymentFrequencies{{
    {"Annually", 1},
    {"Semi-annually", 2},
    {"Quarterly", 4},
    {"Bi-monthly", 6},
    {"Monthly", 12},
    {"Semi-monthly", 24},
    {"Daily", 365},
}};

inline constexpr int kMonthlyFrequency = 4;

// Payment periods per year of a frequency index; 12 for no selection (-1)
// or any index outside the list.
inline int PeriodsPerYear(int frequencyIndex) {
    if (frequencyIndex < 0 || frequencyIndex >= static_cast<int>(kPaymentFrequencies.size())) {
        return 12;
    }
    return kPaymentFrequencies[static_cast<std::size_t>(frequencyIndex)].periodsPerYear;
}

inline constexpr std::array<std::string_view, 2> kPaymentTimings{"End of period",
                                                                 "Begin of period"};

}  // namespace quorvix
