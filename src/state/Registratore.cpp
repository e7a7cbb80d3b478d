#include "state/Registratore.h"

#include "model/NumeriTesto.h"

#include <fstream>

namespace vellora {

void RegistratoreFile::Accoda(const std::string& riga)
{
    std::ofstream out(PercorsoCopiaLavoro(cartella_), std::ios::binary | std::ios::app);
    out << riga << "\r\n";
}

std::string RigaMacro(const std::string& parola, std::span<const float> valori)
{
    std::string riga = parola;
    for (float v : valori)
        riga += ", " + TestoConSegno(v);
    return riga;
}

std::string RigaMacro(const std::string& parola, std::initializer_list<float> valori)
{
    return RigaMacro(parola, std::span<const float>(valori.begin(), valori.size()));
}

} // namespace vellora
