#pragma once
// The comment files: rich text (RTF) read and written by the program itself.
// The reader takes what word processors write (paragraphs, bold, italic,
// underline, colour and font tables, sizes, \uN and \'xx escapes in the
// Windows-1252 code page) and skips what it does not know; it never fails on
// a malformed file but says it is not rich text.
#include "model/TestoRicco.h"

#include <optional>
#include <string>
#include <string_view>

namespace vellora {

// The text of a rich-text file; empty when the bytes are not rich text, or
// nest their groups deeper than any word processor (1000 levels), with the
// reason in `motivo` (Italian, for the user).
std::optional<TestoRicco> LeggiRtf(std::string_view dati, std::string* motivo = nullptr);

// The rich-text file of a text, as a word processor opens it.
std::string ScriviRtf(const TestoRicco& testo);

} // namespace vellora
