#pragma once
// The printer port on a QPrinter: the system's default printer, one print job
// per document; or, with no printer installed, a PDF file whose pages are the
// documents. The PDF is made in memory and written whole by Conclude, through
// the safe write of every document, so that a failure never leaves half a
// file in place of an older one.
#include "plane/qt/SuperficiePainter.h"
#include "print/Stampante.h"

#include <QPrinter>
#include <QString>
#include <memory>
#include <string>

namespace vellora {

class StampanteQt : public Stampante {
public:
    // The default printer, or a PDF still to be named when there is none.
    StampanteQt();
    // A PDF written to the given file (its name as bytes, as the system has it).
    explicit StampanteQt(const std::string& filePdf);
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
    std::string Motivo() const override { return motivo_; }

    QPrinter& Dispositivo() { return stampante_; }
    // For a document that lays its own pages out (a rich text): the printer,
    // or a new PDF in memory that Conclude writes to the file.
    QPagedPaintDevice* DispositivoPagine();

private:
    struct DocumentoPdf;

    // With a PDF the printer only holds the page layout; the pages go to
    // the document in memory.
    QPrinter stampante_;
    std::unique_ptr<DocumentoPdf> documento_;
    SuperficiePainter pagina_;
    bool pdf_;
    std::string filePdf_;
    std::string motivo_;
    bool paginaInCorso_ = false;
    bool riuscito_ = true; // every job sent since the last Conclude
};

} // namespace vellora
