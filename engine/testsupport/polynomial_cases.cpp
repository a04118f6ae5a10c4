#include "polynomial_cases.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <stdexcept>

namespace engine_test
{
namespace
{

// strtod, unlike stod, takes numbers that round to a subnormal (1e-320, 5E-324) as the values they are.
double parseNumber(const std::string &text)
{
    return std::strtod(text.c_str(), nullptr);
}

Complex parseCoefficient(const std::string &text)
{
    const auto comma = text.find(',');
    if (comma == std::string::npos) {
        return { parseNumber(text), 0.0 };
    }
    return { parseNumber(text.substr(0, comma)), parseNumber(text.substr(comma + 1)) };
}

std::vector<std::string> lines(const std::string &path)
{
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<std::string> result;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        result.push_back(line);
    }
    return result;
}

double relativeError(Complex computed, Complex reference)
{
    const double size = std::abs(reference);
    return std::abs(computed - reference) / (size > 0 ? size : 1.0);
}

// Minimum-cost assignment of rows to columns (rows <= columns), Hungarian method with potentials.
std::vector<int> assign(const std::vector<std::vector<double>> &cost)
{
    const int rows = static_cast<int>(cost.size());
    const int cols = rows ? static_cast<int>(cost[0].size()) : 0;
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> u(rows + 1), v(cols + 1);
    std::vector<int> owner(cols + 1, 0), way(cols + 1, 0);
    for (int i = 1; i <= rows; ++i) {
        owner[0] = i;
        int j0 = 0;
        std::vector<double> minv(cols + 1, inf);
        std::vector<bool> used(cols + 1, false);
        do {
            used[j0] = true;
            const int i0 = owner[j0];
            double delta = inf;
            int j1 = 0;
            for (int j = 1; j <= cols; ++j) {
                if (used[j]) {
                    continue;
                }
                const double cur = cost[i0 - 1][j - 1] - u[i0] - v[j];
                if (cur < minv[j]) {
                    minv[j] = cur;
                    way[j] = j0;
                }
                if (minv[j] < delta) {
                    delta = minv[j];
                    j1 = j;
                }
            }
            for (int j = 0; j <= cols; ++j) {
                if (used[j]) {
                    u[owner[j]] += delta;
                    v[j] -= delta;
                } else {
                    minv[j] -= delta;
                }
            }
            j0 = j1;
        } while (owner[j0] != 0);
        do {
            const int j1 = way[j0];
            owner[j0] = owner[j1];
            j0 = j1;
        } while (j0 != 0);
    }
    std::vector<int> columnOf(rows, -1);
    for (int j = 1; j <= cols; ++j) {
        if (owner[j] != 0) {
            columnOf[owner[j] - 1] = j - 1;
        }
    }
    return columnOf;
}

} // namespace

PolynomialCase readCoefficientFile(const std::string &path)
{
    const auto text = lines(path);
    PolynomialCase item;
    item.name = path.substr(path.find_last_of('/') + 1);
    item.degree = std::stoi(text.at(0));
    for (int k = item.degree; k >= 0; --k) {
        const std::string &line = text.at(static_cast<std::size_t>(1 + item.degree - k));
        item.complexCoefficients = item.complexCoefficients || line.find(',') != std::string::npos;
        item.coefficients.push_back(parseCoefficient(line));
    }
    std::reverse(item.coefficients.begin(), item.coefficients.end());
    return item;
}

std::vector<PolynomialCase> loadCases(const std::string &directory)
{
    std::vector<PolynomialCase> cases;
    const auto manifest = lines(directory + "/manifest.tsv");
    for (std::size_t row = 1; row < manifest.size(); ++row) {
        std::istringstream fields(manifest[row]);
        PolynomialCase item;
        std::string type, family, relrad, xcheck, cond;
        std::getline(fields, item.name, '\t');
        std::getline(fields, type, '\t');
        fields >> item.degree >> item.finiteRoots;
        fields.ignore();
        std::getline(fields, family, '\t');
        std::getline(fields, relrad, '\t');
        std::getline(fields, xcheck, '\t');
        std::getline(fields, cond, '\t');
        if (item.name.empty()) {
            continue;
        }
        item.complexCoefficients = type == "C";
        item.condErr = cond == "inf" ? std::numeric_limits<double>::infinity() : std::stod(cond);

        const auto text = lines(directory + "/" + item.name + ".txt");
        for (int k = item.degree; k >= 0; --k) {
            item.coefficients.push_back(parseCoefficient(text.at(static_cast<std::size_t>(1 + item.degree - k))));
        }
        std::reverse(item.coefficients.begin(), item.coefficients.end());
        for (const std::string &line : lines(directory + "/" + item.name + ".roots")) {
            if (line.empty()) {
                continue;
            }
            std::istringstream parts(line);
            std::string re, im;
            parts >> re >> im;
            item.reference.emplace_back(std::stod(re), std::stod(im));
        }
        cases.push_back(std::move(item));
    }
    return cases;
}

RootMatch matchRoots(const std::vector<Complex> &reference, const std::vector<Complex> &computed)
{
    RootMatch match;
    const std::size_t pairs = std::min(reference.size(), computed.size());
    match.unmatched = static_cast<int>(reference.size() - pairs);
    if (pairs == 0) {
        return match;
    }
    // Each reference row is paired with a distinct computed column; rows beyond the columns stay unmatched.
    std::vector<Complex> rowsUsed(reference.begin(), reference.begin() + static_cast<std::ptrdiff_t>(pairs));
    std::vector<std::vector<double>> cost(pairs, std::vector<double>(computed.size()));
    for (std::size_t i = 0; i < pairs; ++i) {
        for (std::size_t j = 0; j < computed.size(); ++j) {
            const double rel = relativeError(computed[j], rowsUsed[i]);
            cost[i][j] = std::isfinite(rel) ? std::log1p(rel) : 1e300;
        }
    }
    const auto columnOf = assign(cost);
    for (std::size_t i = 0; i < pairs; ++i) {
        const Complex z = computed[static_cast<std::size_t>(columnOf[i])];
        const double rel = relativeError(z, rowsUsed[i]);
        if (!(rel <= match.maxRelativeError)) {
            match.maxRelativeError = rel;
            match.worstReference = rowsUsed[i];
            match.worstComputed = z;
        }
    }
    return match;
}

int largestMultiplicity(const std::vector<Complex> &reference)
{
    std::map<std::pair<double, double>, int> counts;
    int largest = 0;
    for (const Complex &r : reference) {
        largest = std::max(largest, ++counts[{ r.real(), r.imag() }]);
    }
    return largest;
}

} // namespace engine_test
