#pragma once
// Number texts. On screen numbers carry the decimal comma whatever the system
// locale; the macro lines and the files use the period. Nothing here reads the
// locale: the digits come from std::to_chars and are placed by hand.
#include <cstdint>
#include <string>

namespace vellora {

// Rounds half up: 2.5 -> 3, -2.5 -> -2. The result is a 16-bit integer;
// values beyond its range saturate, NaN gives 0.
int16_t Arrotonda(float v);

// Formats v with a pattern "0.###", "0.####", "0.######" or "0.########":
// at least one integer digit, at most as many decimals as the pattern has
// '#', no trailing zeros, decimal comma, no trailing comma, never "-0".
// The value rounded is the shortest decimal that gives v back (as a float
// when v holds a float exactly, which is what callers pass), so 0.1f reads
// "0,1" and 2.0005f with "0.###" reads "2,001": ties go away from zero on
// the decimal the user typed, not on its binary neighbour. Other patterns
// throw std::invalid_argument.
std::string FormattaNumero(double v, const std::string& formato);

// Whole number with the sign position reserved: " 3", "-3".
std::string NumeroConSegno(int v);

// A single-precision value with the sign position reserved, as the macro
// lines write it: a blank before non-negative values, "-" before negative
// ones; the period as separator; no leading zero (" .5", "-.25"); whole
// numbers without separator (" 10"). The digits are the shortest decimal of
// at most 7 significant digits that gives v back (7 digits rounded when none
// does). The plain form is used while it needs at most 7 digit positions,
// counting the zeros between the period and the first significant digit;
// otherwise the exponent form: " 1E+07", " 1.5E-07", " 3.333334E-02" (1/30).
// So 1234567 and .0000001 stay plain, 12345680 and .00000015 do not.
// Zero of either sign is " 0"; infinities and NaN give " inf", "-inf", " nan".
std::string TestoConSegno(float v);

// The number as a dialog's text box shows it: the digits of TestoConSegno
// with a leading zero, the decimal comma and no reserved blank ("0,5",
// "1,001", "-0,25", "1E-09").
std::string TestoCasella(float v);

} // namespace vellora
