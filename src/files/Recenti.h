#pragma once
// recent.dat: the last drawing on line 1, on line 2 the working folder at exit,
// which is the folder of the last file chosen in a file dialog.
#include <optional>
#include <string>

namespace vellora {

inline const std::string NomeFileRecenti = "recent.dat";

struct Recenti {
    std::string UltimoDisegno;
    std::string Cartella; // empty when the file has one line only
};

// Both lines, CR LF or LF; nothing when the file is missing or cannot be read.
std::optional<Recenti> LeggiRecenti(const std::string& percorso);

// Rewrites the file with CR LF line ends, by the safe write of every
// document; false when it cannot be written, the old file then intact.
bool ScriviRecenti(const std::string& percorso, const Recenti& r);

// True when the folder holds a drawing file: a regular file whose name ends
// in ".geo", in any letter case.
bool ContieneDisegni(const std::string& cartella);

} // namespace vellora
