#pragma once
// Reading a macro file: one command a line, the word and its parameters
// separated by commas, blanks around every field ignored. Numbers are read as
// the drawing files read them (leading zero and exponent optional); a value
// that is not a number or does not fit its type is refused with the reason,
// never replaced by a default.
#include "state/Registratore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellora {

struct RigaLetta {
    int numero = 0;         // 1 for the header line
    std::string_view testo; // the whole line, without its line end
    std::string_view parola;
    std::vector<std::string_view> parametri;
};

class LettoreMacro {
public:
    // The first line is the header: it is skipped without looking at it, so
    // that a macro whose header was edited away still plays from line 2.
    explicit LettoreMacro(std::string_view testo);
    explicit LettoreMacro(std::string&&) = delete; // the text must outlive the reader

    // The next line into `riga` (its buffers are reused); false at the end.
    bool Prossima(RigaLetta& riga);

private:
    std::string_view testo_;
    std::size_t pos_ = 0;
    int numero_ = 1;
};

// The value of one parameter (a Single's exact value, a whole number
// rounded to the nearest, ties to even); nothing, with the reason in
// Italian, when the field is empty, not a number, not finite, or out of the
// type's range.
std::optional<double> LeggiParametro(std::string_view campo, TipoParametro tipo, std::string& motivo);

// "«Rotazione, 10» (riga 4)": where a failure happened, for the message.
std::string PostoRiga(const RigaLetta& riga);

} // namespace vellora
