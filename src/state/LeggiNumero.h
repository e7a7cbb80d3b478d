#pragma once
// The one reader of every number typed into a dialog. A dialog clears its
// error flag, reads its fields in order and gives up when the flag is set
// afterwards: only the first bad field is reported, the later calls return 0
// at once and show nothing.
#include "state/Dialoghi.h"

#include <string>

namespace vellora {

inline const std::string MessaggioInputNonInterpretabile = "Vellora non è in grado di interpretare l'input";
inline const std::string MessaggioDivisionePerZero = "Divisione per zero!";
inline const std::string MessaggioFuoriIntervallo =
    "Uno o più valori inseriti non sono nell'intervallo che Vellora può accettare";

// The value the reader returns with every refusal.
inline constexpr float ValoreRifiutato = 999999.0f;

// Reads a decimal number ("," or "." as separator, an optional exponent "E")
// or a fraction "a/b". The caller's text is rewritten: trimmed, and when its
// characters are acceptable also cut to 22 characters with "," turned into
// "." (the coordinates window keeps the typed texts in this form). On a
// refusal it shows the message with the stop icon, sets erroreInput and
// returns 999999; accepted values are 0 or 1E-9 <= |x| <= 999999 as floats.
// A non-zero value too small for a float counts as out of range, like any
// other value below 1E-9, rather than turning silently into 0.
float LeggiNumero(std::string& testo, bool& erroreInput, Dialoghi& dialoghi);

// The value of the longest leading part of t that forms a decimal number
// (optional sign, digits with at most one ".", optional "E" exponent); 0 when
// there is none. Written by hand because library readers also take "inf",
// hexadecimal and lower-case exponents. False when the value does not fit a
// double (1E400, 1E-400).
bool ValoreTesto(const std::string& t, double& valore);

} // namespace vellora
