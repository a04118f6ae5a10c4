#pragma once
// Strided vector routines. A negative stride walks the vector from its far end, so DSWAP of the two halves
// of an array with strides 1 and -1 reverses it in place.

#include <complex>
#include <cstddef>

namespace engine
{
namespace detail
{

// Position of the i-th element (0-based) of a vector of n elements with stride inc.
inline std::ptrdiff_t at(std::ptrdiff_t i, std::ptrdiff_t n, std::ptrdiff_t inc)
{
    return inc >= 0 ? i * inc : (n - 1 - i) * -inc;
}

template <typename T>
void swap(int n, T *x, int incx, T *y, int incy)
{
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        std::swap(x[at(i, n, incx)], y[at(i, n, incy)]);
    }
}

template <typename T>
void copy(int n, const T *x, int incx, T *y, int incy)
{
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        y[at(i, n, incy)] = x[at(i, n, incx)];
    }
}

template <typename T>
void scale(int n, T a, T *x, int incx)
{
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        x[at(i, n, incx)] *= a;
    }
}

} // namespace detail

inline void DSWAP(int n, double *x, int incx, double *y, int incy)
{
    detail::swap(n, x, incx, y, incy);
}
inline void DCOPY(int n, const double *x, int incx, double *y, int incy)
{
    detail::copy(n, x, incx, y, incy);
}
inline void DSCAL(int n, double a, double *x, int incx)
{
    detail::scale(n, a, x, incx);
}
inline void ZSWAP(int n, std::complex<double> *x, int incx, std::complex<double> *y, int incy)
{
    detail::swap(n, x, incx, y, incy);
}
inline void ZCOPY(int n, const std::complex<double> *x, int incx, std::complex<double> *y, int incy)
{
    detail::copy(n, x, incx, y, incy);
}
inline void ZSCAL(int n, std::complex<double> a, std::complex<double> *x, int incx)
{
    detail::scale(n, a, x, incx);
}
inline void ZSET(int n, std::complex<double> value, std::complex<double> *x, int incx)
{
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        x[detail::at(i, n, incx)] = value;
    }
}

/// Reverses x[0..n) in place: the coefficient order the solvers work in.
template <typename T>
void reverse(int n, T *x)
{
    detail::swap(n / 2, x, 1, x + (n + 1) / 2, -1);
}

} // namespace engine
