// Writes the engine's roots of every shared case as out/NAME.out ("re im" per line, full precision), for the
// scorer in the shared bench folder:
//   build/bin/solve_cases out && for f in bench/cases/*.roots; do n=$(basename $f .roots);
//     python3 ../shared/bench/score.py $f out/$n.out; done

#include "engine/roots.h"
#include "polynomial_cases.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

namespace
{

std::string shortest(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

} // namespace

int main(int argc, char **argv)
{
    const std::filesystem::path out = argc > 1 ? argv[1] : "out";
    std::filesystem::create_directories(out);
    for (const auto &item : engine_test::loadCases(KOVALIN_SHARED_CASES)) {
        std::ostringstream printed;
        engine::ErrorService errors(printed);
        std::vector<engine::Complex> roots(static_cast<std::size_t>(item.degree));
        if (item.complexCoefficients) {
            std::vector<engine::Complex> coeff = item.coefficients;
            engine::DZPOCC(item.degree, coeff, roots, errors);
        } else {
            std::vector<double> coeff;
            for (const auto &c : item.coefficients) {
                coeff.push_back(c.real());
            }
            engine::DZPORC(item.degree, coeff, roots, errors);
        }
        std::ofstream file(out / (item.name + ".out"));
        for (const auto &z : roots) {
            file << shortest(z.real()) << ' ' << shortest(z.imag()) << '\n';
        }
    }
    std::cout << "wrote " << out << "\n";
}
