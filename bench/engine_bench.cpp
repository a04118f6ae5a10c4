// Time of one direct solve of each shared case (no exchange files).
//   build/bin/engine_bench [--benchmark_filter=rand_d100]

#include "engine/roots.h"
#include "polynomial_cases.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <vector>

namespace
{

void solveCase(benchmark::State &state, const engine_test::PolynomialCase &item)
{
    std::ostringstream printed; // warnings of the leading-zero cases are not the point here
    engine::ErrorService errors(printed);
    std::vector<engine::Complex> roots(static_cast<std::size_t>(item.degree));
    std::vector<double> real;
    for (const auto &c : item.coefficients) {
        real.push_back(c.real());
    }
    std::vector<engine::Complex> complex = item.coefficients;
    for (auto _ : state) {
        if (item.complexCoefficients) {
            engine::DZPOCC(item.degree, complex, roots, errors);
        } else {
            engine::DZPORC(item.degree, real, roots, errors);
        }
        benchmark::DoNotOptimize(roots.data());
        printed.str("");
    }
}

int registerCases()
{
    static const auto cases = engine_test::loadCases(KOVALIN_SHARED_CASES);
    for (const auto &item : cases) {
        benchmark::RegisterBenchmark(("solve/" + item.name).c_str(), solveCase, item)->Unit(benchmark::kMicrosecond);
    }
    return 0;
}

const int registered = registerCases();

} // namespace

BENCHMARK_MAIN();
