#include "print/qt/Stampa.h"

#include "plane/Schermo.h"
#include "print/PaginaStampa.h"
#include "print/qt/FrmStampaDisegno.h"
#include "print/qt/StampanteQt.h"
#include "state/Programma.h"

namespace vellora {

void StampaDisegno(Programma& p, QWidget* parent)
{
    StampanteQt stampante;
    FrmStampaDisegno dialogo(p, stampante, parent);
    dialogo.exec();
}

bool EsportaPdf(const Programma& p, const std::string& percorso, std::string& motivo, float fattore,
                Orientamento orientamento)
{
    StampanteQt stampante(percorso);
    const bool stampato = StampaDocumento(p.d, Opzioni(p).Righello, fattore, orientamento, stampante);
    const bool concluso = stampante.Conclude();
    motivo = stampante.Motivo();
    return concluso && stampato;
}

} // namespace vellora
