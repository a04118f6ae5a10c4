#pragma once
// Rows of the table-driven solver tests, shared by the cubic and quartic tests.

#include "cubic/solver.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace cubic
{

inline void PrintTo(RowColour colour, std::ostream *out)
{
    *out << (colour == RowColour::Blue ? "blue" : colour == RowColour::Red ? "red" : "neutral");
}

} // namespace cubic

namespace solver_cases
{

inline constexpr cubic::RowColour B = cubic::RowColour::Blue;
inline constexpr cubic::RowColour R = cubic::RowColour::Red;
inline constexpr cubic::RowColour N = cubic::RowColour::Neutral;

/// A solve that shows roots: the boxes as typed, then what the rows, the caption and Copy show, and the
/// messages on the way.
template <std::size_t Rows>
struct SolvedCase {
    const char *name;
    std::vector<std::string> boxes;
    std::array<std::string, Rows> roots;
    std::array<cubic::RowColour, Rows> colours;
    cubic::Nature nature;
    std::string copyLine;
    std::vector<cubic::Notice> notices = {};
};

template <std::size_t Rows>
void PrintTo(const SolvedCase<Rows> &solved, std::ostream *out)
{
    *out << solved.name;
}

/// A solve that ends in the error report, with the messages on the way.
struct RefusedCase {
    const char *name;
    std::vector<std::string> boxes;
    std::vector<cubic::Notice> notices;
};

inline void PrintTo(const RefusedCase &refused, std::ostream *out)
{
    *out << refused.name;
}

/// Checks a solve's outcome against its row; `copyLine` gives the Copy button's line for the outcome.
template <std::size_t Rows, class Outcome, class CopyLineOf>
void ExpectSolved(const SolvedCase<Rows> &expected, const Outcome &outcome, CopyLineOf copyLine)
{
    ASSERT_TRUE(outcome.display);
    for (std::size_t row = 0; row < Rows; ++row) {
        EXPECT_EQ(outcome.display->roots[row], expected.roots[row]) << "row " << row + 1;
        EXPECT_EQ(outcome.display->colours[row], expected.colours[row]) << "row " << row + 1;
    }
    EXPECT_EQ(outcome.display->nature, expected.nature);
    EXPECT_EQ(outcome.notices, expected.notices);
    EXPECT_EQ(copyLine(outcome), expected.copyLine);
}

} // namespace solver_cases
