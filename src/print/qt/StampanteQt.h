#pragma once
// The printer port on a QPrinter: the system's default printer, one print job
// per document; or, with no printer installed, a PDF file whose pages are the
// documents, finished by Conclude.
#include "plane/qt/SuperficiePainter.h"
#include "print/Stampante.h"

#include <QPrinter>
#include <QString>

namespace vellora {

class StampanteQt : public Stampante {
public:
    // The default printer, or a PDF still to be named when there is none.
    StampanteQt();
    // A PDF written to the given file.
    explicit StampanteQt(const QString& filePdf);
    ~StampanteQt() override;

    static bool CiSonoStampanti();

    std::string NomeDispositivo() const override;
    Orientamento LeggiOrientamento() const override;
    void ImpostaOrientamento(Orientamento o) override;
    bool ScriveFile() const override { return pdf_; }
    void ImpostaFile(const std::string& percorso) override;
    Superficie* IniziaDocumento() override;
    float LarghezzaStampabile() const override;
    float AltezzaStampabile() const override;
    void FineDocumento() override;
    bool Conclude() override;

    QPrinter& Dispositivo() { return stampante_; }

private:
    QPrinter stampante_;
    SuperficiePainter pagina_;
    bool pdf_;
    bool paginaInCorso_ = false;
    bool riuscito_ = true; // every job sent since the last Conclude
};

} // namespace vellora
