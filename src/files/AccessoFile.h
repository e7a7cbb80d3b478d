#pragma once
// Whole-file reading and writing for the program's documents, with the reason
// of a failure in Italian for the message the command shows.
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace vellora {

// "permesso negato", "file o cartella inesistente", ...
std::string MotivoErrore(std::error_code e);

// Writes the text into a new file in the same folder, then renames it over
// `percorso`: a failed write leaves the old file as it was. An existing file
// that may not be written is refused, even when its folder would let the
// rename replace it. False, with the reason, when nothing was written. Once
// the file is in place, the temporaries an interrupted save of the same file
// left behind are removed. Paths are bytes, passed to the system as given.
bool ScriviFileSicuro(const std::string& percorso, std::string_view testo, std::string& motivo);

// The whole file, when it is a regular file of at most `limite` bytes; false,
// with the reason, otherwise. A larger file, a folder or a device is refused
// before anything is read, so that a wrong name can neither fill the memory
// nor wait forever on a stream without end.
bool LeggiFileIntero(const std::string& percorso, std::string& testo, std::string& motivo, std::uintmax_t limite);

// True when there is a file of that name that is not a folder and, for a
// regular file, can be opened for reading. A device or a pipe is not opened
// here, as opening may never return: the reader refuses it with its reason.
bool EsisteFile(const std::string& percorso);

// The text after the last '/' or '\', the whole text when there is none.
std::string NomeDaPercorso(const std::string& percorso);

} // namespace vellora
