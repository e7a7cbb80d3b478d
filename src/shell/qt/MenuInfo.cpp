// Handlers of the "?" menu: help pages, the about box, the web pages.
#include "shell/qt/FinestraGuida.h"
#include "shell/qt/FrmPrinc.h"
#include "shell/qt/GuidaFinestre.h"

#include <QDesktopServices>
#include <QUrl>

namespace vellora {

namespace {
struct PaginaWeb {
    Voce voce;
    const char* indirizzo;
};
const PaginaWeb PagineWeb[] = {
    {Voce::MnuInfoWebVellora, "https://www.vellora.it/"},
    {Voce::MnuInfoWebCorvane, "https://www.corvane.it/"},
    {Voce::MnuInfoWebAutore, "https://www.vellora.it/autore/"},
};
} // namespace

void FrmPrinc::CollegaMenuInfo()
{
    connect(Azione(Voce::MnuInfoGuida), &QAction::triggered, this, [this] { MostraGuida("aiuto/vellora.html"); });
    connect(Azione(Voce::MnuInfoGuidaEsempi), &QAction::triggered, this, [this] { MostraGuida("aiuto/esempi.html"); });
    // F1 in a dialog, the coordinates panel or the comment: its own section.
    new GuidaFinestre(p, this);
    connect(Azione(Voce::MnuInfoInfo), &QAction::triggered, this, &FrmPrinc::MnuInfoInfo_Click);
    for (const PaginaWeb& pagina : PagineWeb)
        connect(Azione(pagina.voce), &QAction::triggered, this,
                [this, indirizzo = pagina.indirizzo] { ApriPaginaWeb(indirizzo); });
}

void FrmPrinc::MostraGuida(const char* pagina)
{
    FinestraGuida::Di(this)->Mostra(QString::fromStdString(p.sessione.PercorsoProgramma) + QString::fromLatin1(pagina));
}

void FrmPrinc::MnuInfoInfo_Click()
{
    MostraTitolo();
}

void FrmPrinc::ApriPaginaWeb(const char* indirizzo)
{
    if (!QDesktopServices::openUrl(QUrl(QString::fromLatin1(indirizzo))))
        p.Messaggio("Non è installato Internet Explorer");
}

} // namespace vellora
