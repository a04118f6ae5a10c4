// Time of the accuracy of all roots (inclusion discs and clusters) of the shared cases of the highest degrees,
// from the engine's roots.
//   build/bin/accuracy_bench [--benchmark_filter=rand_d100]

#include "engine/roots.h"
#include "frontend/core/root_accuracy.h"
#include "polynomial_cases.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <vector>

namespace
{

void accuracyOfCase(benchmark::State &state, const engine_test::PolynomialCase &item)
{
    std::ostringstream warnings;
    engine::ErrorService errors(warnings);
    std::vector<engine::Complex> roots(static_cast<std::size_t>(item.degree));
    std::vector<engine::Complex> complex = item.coefficients;
    std::vector<double> real;
    for (const auto &c : item.coefficients) {
        real.push_back(c.real());
    }
    if (item.complexCoefficients) {
        engine::DZPOCC(item.degree, complex, roots, errors);
    } else {
        engine::DZPORC(item.degree, real, roots, errors);
    }
    for (auto _ : state) {
        const auto report = item.complexCoefficients ? frontend::core::RootAccuracyOf(complex, roots)
                                                     : frontend::core::RootAccuracyOf(real, roots);
        benchmark::DoNotOptimize(report.roots.data());
    }
}

} // namespace

int main(int argc, char **argv)
{
    for (const auto &item : engine_test::loadCases(KOVALIN_SHARED_CASES)) {
        if (item.degree >= 49 || item.name == "rand_d020" || item.name == "cluster_rand_d20") {
            benchmark::RegisterBenchmark(("accuracy/" + item.name).c_str(), accuracyOfCase, item)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
