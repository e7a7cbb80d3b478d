// Handlers of the Insert menu.
#include "figures/Catalogo.h"
#include "figures/qt/FrmCoordinate.h"
#include "figures/qt/FrmDatiCerchio.h"
#include "shell/qt/FrmPrinc.h"

namespace vellora {

void FrmPrinc::CollegaMenuInserisci()
{
    for (const FiguraPredefinita& f : CatalogoFigure())
        connect(Azione(f.voce), &QAction::triggered, this, [this, v = f.voce] { InserisciFigura(v); });
    for (Voce v : {Voce::MnuFiguraCerchio2, Voce::MnuFiguraCerchio, Voce::MnuFiguraCerchio1})
        connect(Azione(v), &QAction::triggered, this, [this, v] { InserisciCerchio(v); });
    connect(Azione(Voce::MnuFiguraCoordinate), &QAction::triggered, this, [this] { ApriFrmCoordinate(p, this); });
}

void FrmPrinc::InserisciFigura(Voce v)
{
    EseguiPasso(p, NomePasso(v), [&] { InserisciFiguraPredefinita(p, v); });
    Aggiorna();
}

void FrmPrinc::InserisciCerchio(Voce v)
{
    const SchedaCerchio* s = SchedaCerchioDi(v);
    if (s && ControllaMonometrico(p))
        EseguiPasso(p, NomePasso(v), [&] { ApriFrmDatiCerchio(p, *s, this); });
    Aggiorna();
}

} // namespace vellora
