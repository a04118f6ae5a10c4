#include "cli/solve.h"

#include "engine/roots.h"

#include <algorithm>
#include <cmath>

namespace cli
{

bool Solution::verified() const
{
    return std::all_of(accuracy.roots.begin(), accuracy.roots.end(), [](const frontend::core::RootAccuracy &root) {
        return root.found && std::isfinite(root.errorBound);
    });
}

Solver::Solver()
    : m_errors(m_messages)
{
}

Solution Solver::solve(const Polynomial &polynomial)
{
    Solution solution;
    const int degree = polynomial.degree();
    solution.roots.resize(static_cast<std::size_t>(degree));
    m_messages.str("");
    // The finders reverse the coefficients while they work; they get copies, the caller keeps its own.
    if (polynomial.complex) {
        std::vector<std::complex<double>> coefficients = polynomial.coefficients;
        engine::DZPOCC(degree, coefficients, solution.roots, m_errors);
        solution.accuracy =
            frontend::core::RootAccuracyOf(std::span<const std::complex<double>>(coefficients), solution.roots);
    } else {
        std::vector<double> coefficients(polynomial.coefficients.size());
        std::transform(polynomial.coefficients.begin(),
            polynomial.coefficients.end(),
            coefficients.begin(),
            [](std::complex<double> c) {
                return c.real();
            });
        engine::DZPORC(degree, coefficients, solution.roots, m_errors);
        solution.accuracy = frontend::core::RootAccuracyOf(std::span<const double>(coefficients), solution.roots);
    }
    solution.engineMessages = m_messages.str();
    return solution;
}

} // namespace cli
