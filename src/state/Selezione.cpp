#include "state/Selezione.h"

namespace vellora {

void RegistraSelezione(Programma& p)
{
    const auto f = static_cast<float>(p.d.FiguraAttiva);
    if (p.d.VerticeAttivo > 0)
        p.AccodaRigaMacro(RigaMacro("Vertice attivo", {f, static_cast<float>(p.d.VerticeAttivo)}));
    else
        p.AccodaRigaMacro(RigaMacro("Figura attiva", {f}));
}

std::string TestoVertice(const Programma& p)
{
    if (p.d.NumeroFigure == 0)
        return "";
    const int f = p.d.FiguraAttiva;
    if (NumeroPunti(p.d, f) == 1 && !IsCerchio(p.d, f))
        return "";
    if (p.d.VerticeAttivo == 0)
        return "Figura";
    return (IsCerchio(p.d, f) ? "Punto " : "Vertice ") + LetteraPunto(p.d.VerticeAttivo);
}

} // namespace vellora
