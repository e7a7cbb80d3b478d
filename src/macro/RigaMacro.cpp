#include "macro/RigaMacro.h"

#include "model/NumeriTesto.h"
#include "shell/Programma.h"

#include <fstream>

namespace vellora {

std::string RigaMacro(const std::string& parola, std::initializer_list<float> valori)
{
    std::string riga = parola;
    for (float v : valori)
        riga += ", " + TestoConSegno(v);
    return riga;
}

void AccodaRigaMacro(Programma& p, const std::string& riga)
{
    if (!p.m.RegistraMacro)
        return;
    std::ofstream out(p.CartellaDati + NomeCopiaLavoro, std::ios::binary | std::ios::app);
    out << riga << "\r\n";
}

} // namespace vellora
