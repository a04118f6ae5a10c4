#pragma once
// Machine constants of IEEE double and single precision and of 32-bit integers.
// A bad index is a terminal error reported through the error service.

#include "engine/error_service.h"

namespace engine
{

/// 1 smallest normalised, 2 largest, 3 2^-53, 4 2^-52 (epsilon), 5 log10(2), 6 NaN, 7 +infinity, 8 -infinity.
double DMACH(int n, ErrorService &errors);
/// The same eight quantities for single precision.
float AMACH(int n, ErrorService &errors);
/// 1 bits per integer, 2 characters per integer, 3 integer base, 4 integer digits, 5 largest integer,
/// 6 floating-point base, 7-9 single digits and exponent range, 10-12 double digits and exponent range.
int IMACH(int n, ErrorService &errors);

} // namespace engine
