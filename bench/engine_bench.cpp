// Time of one direct solve of each shared case, and of one solve request through the exchange files.
//   build/bin/engine_bench [--benchmark_filter=rand_d100]

#include "engine/entry.h"
#include "engine/roots.h"
#include "platform/exchange_files.h"
#include "platform/files.h"
#include "polynomial_cases.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

std::string requestNumber(double value)
{
    char text[40];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// The whole round trip the solver makes: write the request, call the entry, read and remove the answer.
// The exchange directory is the one the solver would use (memory-backed where there is one), unless
// KOVALIN_EXCHANGE_DIR says otherwise.
void solveThroughFiles(benchmark::State &state, const engine_test::PolynomialCase &item)
{
    std::string request =
        std::string("S\r\n") + (item.complexCoefficients ? "C" : "R") + "\r\n" + std::to_string(item.degree) + "\r\n";
    for (auto c = item.coefficients.rbegin(); c != item.coefficients.rend(); ++c) {
        request += item.complexCoefficients ? "(" + requestNumber(c->real()) + "," + requestNumber(c->imag()) + ")"
                                            : requestNumber(c->real());
        request += "\r\n";
    }
    request += "\r\n";
    const auto files = platform::exchangeFiles();
    if (!files) {
        state.SkipWithError("no exchange directory");
        return;
    }
    for (auto _ : state) {
        platform::replaceFile(files->request, request, platform::FileOwner::Program);
        engine::serveExchange();
        std::filesystem::remove(files->request);
        const auto answer = platform::readWholeFile(files->answer, 1u << 20, platform::FileOwner::Program);
        std::filesystem::remove(files->answer);
        benchmark::DoNotOptimize(answer.bytes->data());
    }
}

int registerCases()
{
    static const auto cases = engine_test::loadCases(KOVALIN_SHARED_CASES);
    for (const auto &item : cases) {
        benchmark::RegisterBenchmark(("solve/" + item.name).c_str(), solveCase, item)->Unit(benchmark::kMicrosecond);
        if (item.name == "rand_d100" || item.name == "crand_d49") {
            benchmark::RegisterBenchmark(("files/" + item.name).c_str(), solveThroughFiles, item)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    return 0;
}

const int registered = registerCases();

} // namespace

BENCHMARK_MAIN();
