#pragma once
// recent.dat: the last drawing on line 1, the working folder at exit on line 2.
#include <optional>
#include <string>

namespace vellora {

inline const std::string NomeFileRecenti = "recent.dat";

struct Recenti {
    std::string UltimoDisegno;
    std::string Cartella;
};

// Both lines, CR LF or LF; nothing when the file is missing or short.
std::optional<Recenti> LeggiRecenti(const std::string& percorso);

// Rewrites the file with CR LF line ends; false when it cannot be written.
bool ScriviRecenti(const std::string& percorso, const Recenti& r);

} // namespace vellora
