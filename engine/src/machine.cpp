#include "engine/machine.h"

#include <array>
#include <limits>
#include <string>

namespace engine
{
namespace
{

template <typename Real>
constexpr std::array<Real, 8> constants {
    std::numeric_limits<Real>::min(),
    std::numeric_limits<Real>::max(),
    std::numeric_limits<Real>::epsilon() / 2,
    std::numeric_limits<Real>::epsilon(),
    static_cast<Real>(0.3010299956639812),
    std::numeric_limits<Real>::quiet_NaN(),
    std::numeric_limits<Real>::infinity(),
    -std::numeric_limits<Real>::infinity(),
};

constexpr std::array<int, 12> integerConstants { 32, 4, 2, 31, 2147483647, 2, 24, -125, 128, 53, -1021, 1024 };

void badRealIndex(const char *routine, int n, ErrorService &errors)
{
    errors.E1PSH(routine);
    errors.E1STI(1, n);
    errors.E1MES(Terminal, 5, "The argument must be between 1 and 8 inclusive. N = %(I1)");
    errors.E1POP(routine);
}

template <typename Real>
Real lookup(const char *routine, int n, ErrorService &errors)
{
    if (n < 1 || n > 8) {
        badRealIndex(routine, n, errors);
    }
    return constants<Real>[static_cast<std::size_t>(n - 1)];
}

} // namespace

double DMACH(int n, ErrorService &errors)
{
    return lookup<double>("DMACH", n, errors);
}

float AMACH(int n, ErrorService &errors)
{
    return lookup<float>("AMACH", n, errors);
}

int IMACH(int n, ErrorService &errors)
{
    if (n < 1 || n > 12) {
        errors.reportFixed({ " *** TERMINAL ERROR 5 from IMACH.  The argument",
            " ***          must be between 1 and 12 inclusive.",
            " ***          N = " + std::to_string(n) });
    }
    return integerConstants[static_cast<std::size_t>(n - 1)];
}

} // namespace engine
