// Solve requests as the solver makes them: its own request writer, its own loader of the engine library (found
// next to this program, as next to the solver) and its own answer reader, from the request lines to the roots in
// memory. Prints the best time of many repetitions for each named shared case; bench/numpy_comparison.py sets
// these beside numpy.roots.
//   build/bin/solver_request_timing [--repetitions N] rand_d100 crand_d49 ...

#include "frontend/core/engine_exchange.h"
#include "platform/engine_library.h"
#include "polynomial_cases.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

std::string shortestText(double value)
{
    char text[40];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// The case as the user would have typed it: each coefficient's shortest exact text.
frontend::core::Equation typedEquation(const engine_test::PolynomialCase &item)
{
    std::vector<std::string> re;
    std::vector<std::string> im;
    std::vector<frontend::core::ComplexValue> values;
    for (const auto &c : item.coefficients) {
        re.push_back(shortestText(c.real()));
        im.push_back(shortestText(c.imag()));
        values.push_back({ c.real(), c.imag() });
    }
    auto texts = item.complexCoefficients ? frontend::core::CoefficientTexts::complexPairs(re, im)
                                          : frontend::core::CoefficientTexts::real(re);
    return frontend::core::makeEquation(std::to_string(item.degree), std::move(texts), std::move(values));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    platform::QtEngineLibrary engine;
    const frontend::core::EngineCall call = [&engine] { return engine.call(); };
    const auto cases = engine_test::loadCases(KOVALIN_SHARED_CASES);
    int first = 1;
    int repetitions = 300;
    if (argc > 2 && std::string(argv[1]) == "--repetitions") {
        repetitions = std::max(1, std::atoi(argv[2]));
        first = 3;
    }
    for (int a = first; a < argc; ++a) {
        const auto item = std::find_if(cases.begin(), cases.end(), [&](const auto &c) { return c.name == argv[a]; });
        if (item == cases.end()) {
            std::fprintf(stderr, "no shared case %s\n", argv[a]);
            return 2;
        }
        const frontend::core::Equation equation = typedEquation(*item);
        double best = 1e9;
        for (int r = 0; r <= repetitions; ++r) {
            const auto start = std::chrono::steady_clock::now();
            const frontend::core::SolveResult result = frontend::core::WriteSolveRequest(equation, call);
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (result.fault != frontend::core::ExchangeFault::None
                || result.roots.size() != static_cast<std::size_t>(item->degree)) {
                std::fprintf(stderr, "the request for %s failed\n", argv[a]);
                return 1;
            }
            if (r > 0) { // the first call loads the library
                best = std::min(best, seconds);
            }
        }
        std::printf("%s %.9f\n", argv[a], best);
    }
    return 0;
}
