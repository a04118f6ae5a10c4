#include "accumulate.h"

namespace engine
{

void DQINI(double x, Accumulator &acc)
{
    dd::init(x, acc);
}

void DQADD(double x, Accumulator &acc)
{
    dd::add(x, acc);
}

void DQMUL(double x, double y, Accumulator &acc)
{
    dd::mul(x, y, acc);
}

void DQSTO(const Accumulator &acc, double &x)
{
    x = dd::value(acc);
}

void ZQINI(std::complex<double> x, ComplexAccumulator &acc)
{
    dd::init(x, acc);
}

void ZQMUL(std::complex<double> x, std::complex<double> y, ComplexAccumulator &acc)
{
    dd::mul(x, y, acc);
}

void ZQSTO(const ComplexAccumulator &acc, std::complex<double> &x)
{
    x = dd::value(acc);
}

} // namespace engine
