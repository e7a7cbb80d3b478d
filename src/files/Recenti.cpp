#include "files/Recenti.h"

#include <fstream>

namespace vellora {

namespace {
bool LeggiRiga(std::istream& in, std::string& riga)
{
    if (!std::getline(in, riga))
        return false;
    if (!riga.empty() && riga.back() == '\r')
        riga.pop_back();
    return true;
}
} // namespace

std::optional<Recenti> LeggiRecenti(const std::string& percorso)
{
    std::ifstream in(percorso, std::ios::binary);
    Recenti r;
    if (!in || !LeggiRiga(in, r.UltimoDisegno) || !LeggiRiga(in, r.Cartella))
        return std::nullopt;
    return r;
}

bool ScriviRecenti(const std::string& percorso, const Recenti& r)
{
    std::ofstream out(percorso, std::ios::binary | std::ios::trunc);
    out << r.UltimoDisegno << "\r\n" << r.Cartella << "\r\n";
    out.close();
    return static_cast<bool>(out);
}

} // namespace vellora
