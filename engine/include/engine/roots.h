#pragma once
// Root finders of the engine, callable directly (tests, benchmarks) without the exchange files.
//
// Coefficients are in increasing order of power: coeff[0] is the constant term, coeff[ndeg] the leading one.
// The arrays are reversed while a solver works and restored before it returns.
// Warnings are printed by the error service and leave the roots in place; a degree out of range is a
// terminal error (TerminalError is thrown after printing).

#include "engine/error_service.h"

#include <complex>
#include <cstdint>
#include <span>

namespace engine
{

using Complex = std::complex<double>;

/// All roots of a real polynomial of degree 1..100 (three-stage variable-shift method with quadratic factors).
/// coeff holds ndeg + 1 values and root ndeg values when the degree is in range.
void DZPORC(std::int32_t ndeg, std::span<double> coeff, std::span<Complex> root, ErrorService &errors);

/// All roots of a complex polynomial of degree 1..49 (three-stage variable-shift method).
void DZPOCC(std::int32_t ndeg, std::span<Complex> coeff, std::span<Complex> root, ErrorService &errors);

/// Careful quadratic formula for a*z^2 + b*z + c with real coefficients: zsm the smaller root, zlg the larger.
void DZ3LRC(double a, double b, double c, Complex &zsm, Complex &zlg, ErrorService &errors);

/// Careful quadratic formula for complex coefficients.
void DZ4LRC(Complex a, Complex b, Complex c, Complex &zsm, Complex &zlg, ErrorService &errors);

/// Plain quadratic formula for a*x^2 + b*x + c: s the smaller root, l the larger (for a complex pair, s has the
/// positive imaginary part).
void DZ10RC(double a, double b, double c, Complex &s, Complex &l);

} // namespace engine
