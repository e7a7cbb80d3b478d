#pragma once
// The drawing file (.geo): the header, the figure count, 23 lines per figure
// and the 18 settings, one value or pair per line, CR LF. The reader works on
// a copy of the current content and hands it back only when the result keeps
// every rule of the model, so a bad file never leaves half a drawing behind.
#include "model/Disegno.h"

#include <optional>
#include <string>
#include <string_view>

namespace vellora {

inline const std::string IntestazioneDisegno = "Disegno di Vellora";

std::string TestoDisegno(const Disegno& c);

// The file's values read over `base`, field by field; a value that cannot be
// read keeps what `base` holds (a file that ends early keeps the rest).
// Nothing when the first field is not the header, letter case included, or
// when the values read would break the model: a count beyond 0..128, a figure
// RecordValido refuses, a selection outside the figures, a scale that is not
// a positive finite number or a setting that is not finite. With no figures
// a selection no figure could have becomes figure 1, whole.
std::optional<Disegno> LeggiTestoDisegno(std::string_view testo, Disegno base);

} // namespace vellora
