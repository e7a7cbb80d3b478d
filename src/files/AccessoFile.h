#pragma once
// Whole-file reading and writing for the program's documents, with the reason
// of a failure in Italian for the message the command shows.
#include <string>
#include <string_view>
#include <system_error>

namespace vellora {

// "permesso negato", "file o cartella inesistente", ...
std::string MotivoErrore(std::error_code e);

// Writes the text into a new file in the same folder, then renames it over
// `percorso`: a failed write leaves the old file as it was. An existing file
// that may not be written is refused, even when its folder would let the
// rename replace it. False, with the reason, when nothing was written.
bool ScriviFileSicuro(const std::string& percorso, std::string_view testo, std::string& motivo);

// The whole file; false, with the reason, when it cannot be read.
bool LeggiFileIntero(const std::string& percorso, std::string& testo, std::string& motivo);

// True when the file can be opened for reading (a folder cannot).
bool EsisteFile(const std::string& percorso);

// The text after the last '/' or '\', the whole text when there is none.
std::string NomeDaPercorso(const std::string& percorso);

} // namespace vellora
