#pragma once
// Number texts. On screen numbers carry the decimal comma whatever the system
// locale; the files use the period (see files/).
#include <cstdint>
#include <string>

namespace vellora {

// Rounds half up: 2.5 -> 3, -2.5 -> -2. The result is a 16-bit integer.
int16_t Arrotonda(float v);

// Formats v with a pattern "0.###", "0.####", "0.######" or "0.########":
// at least one integer digit, at most as many decimals as the pattern has
// '#', no trailing zeros, decimal comma, no trailing comma, never "-0".
std::string FormattaNumero(double v, const std::string& formato);

// Whole number with the sign position reserved: " 3", "-3".
std::string NumeroConSegno(int v);

}  // namespace vellora
