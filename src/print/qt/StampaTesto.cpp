#include "print/qt/StampaTesto.h"

#include "print/DialogoStampa.h"
#include "print/qt/StampanteQt.h"
#include "state/Programma.h"

#include <QTextCursor>
#include <QTextDocument>
#include <memory>

namespace vellora {

void StampaTesto(Programma& p, const QTextDocument& testo, const std::string& nomePdf)
{
    StampanteQt stampante;
    std::string percorso;
    if (stampante.ScriveFile()) {
        const auto scelto = p.dialoghi.ScegliFile({RichiestaFile::Salva, TitoloSalvaPdfCommento, nomePdf, FiltroPdf});
        if (!scelto)
            return;
        percorso = *scelto;
        stampante.ImpostaFile(percorso);
    }
    const std::unique_ptr<QTextDocument> pagine(testo.clone());
    QTextCursor(pagine.get()).insertBlock();
    pagine->print(stampante.DispositivoPagine());
    const bool rifiutata = !stampante.ScriveFile() && stampante.Dispositivo().printerState() == QPrinter::Error;
    if (stampante.Conclude() && !rifiutata)
        return;
    const std::string motivo = stampante.Motivo().empty() ? "" : ": " + stampante.Motivo();
    p.Messaggio(stampante.ScriveFile() ? "Impossibile scrivere il file «" + percorso + "»" + motivo
                                       : "Impossibile stampare su «" + stampante.NomeDispositivo() + "»" + motivo);
}

} // namespace vellora
