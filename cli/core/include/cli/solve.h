#pragma once
// One equation solved by the engine's root finders (linked directly), with the accuracy of every root worked
// out independently of them.

#include "cli/coefficient_input.h"
#include "engine/error_service.h"
#include "frontend/core/root_accuracy.h"

#include <complex>
#include <sstream>
#include <string>
#include <vector>

namespace cli
{

struct Solution {
    std::vector<std::complex<double>> roots; // in the engine's order, placeholders (not found) included
    frontend::core::AccuracyReport accuracy;
    std::string engineMessages; // the engine's warnings, as it printed them

    /// Every root found, and every one inside a disc that is sure to hold a root.
    bool verified() const;
};

/// Solves equations one after another; the engine's warnings are caught per equation, not printed.
class Solver
{
public:
    Solver();
    Solution solve(const Polynomial &polynomial);

private:
    std::ostringstream m_messages;
    engine::ErrorService m_errors;
};

} // namespace cli
