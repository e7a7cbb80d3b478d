#include "print/qt/StampanteQt.h"

#include "files/AccessoFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinterInfo>

namespace vellora {

namespace {

constexpr double TwipPerPunto = 20.0; // 1440 twips an inch, 72 points an inch

// Lines half a point wide: the thinnest line every printer shows clearly.
constexpr double SpessoreTwip = 10.0;

// The page's text: the small tick values, in bold so that they stay legible.
QFont CarattereValori()
{
    QFont f;
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(5.0);
    f.setBold(true);
    return f;
}

// A file has no unprintable border of its own; it gets the one a printer
// would have, so that the page looks the same whichever way it was made.
void MarginiDaStampante(QPrinter& p)
{
    p.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

} // namespace

struct StampanteQt::DocumentoPdf {
    QByteArray dati;
    QBuffer memoria{&dati};
    QPdfWriter pagine{&memoria};
};

bool StampanteQt::CiSonoStampanti()
{
    return !QPrinterInfo::availablePrinters().isEmpty();
}

StampanteQt::StampanteQt() : stampante_(QPrinter::HighResolution), pdf_(!CiSonoStampanti())
{
    if (pdf_) {
        stampante_.setOutputFormat(QPrinter::PdfFormat);
        MarginiDaStampante(stampante_);
    }
}

StampanteQt::StampanteQt(const std::string& filePdf)
    : stampante_(QPrinter::HighResolution), pdf_(true), filePdf_(filePdf)
{
    stampante_.setOutputFormat(QPrinter::PdfFormat);
    MarginiDaStampante(stampante_);
}

StampanteQt::~StampanteQt()
{
    pagina_.Termina();
}

std::string StampanteQt::NomeDispositivo() const
{
    if (pdf_)
        return "file PDF";
    return stampante_.printerName().toStdString();
}

Orientamento StampanteQt::LeggiOrientamento() const
{
    return stampante_.pageLayout().orientation() == QPageLayout::Portrait ? Orientamento::Verticale
                                                                          : Orientamento::Orizzontale;
}

void StampanteQt::ImpostaOrientamento(Orientamento o)
{
    stampante_.setPageOrientation(o == Orientamento::Verticale ? QPageLayout::Portrait : QPageLayout::Landscape);
}

void StampanteQt::ImpostaFile(const std::string& percorso)
{
    filePdf_ = percorso;
}

Superficie* StampanteQt::IniziaDocumento()
{
    const double scala = stampante_.resolution() / 1440.0;
    if (pdf_ && paginaInCorso_) {
        // The copies of a file are its pages, each in the orientation set
        // before it.
        pagina_.Svuota();
        documento_->pagine.setPageLayout(stampante_.pageLayout());
        if (!documento_->pagine.newPage()) {
            riuscito_ = false;
            return nullptr;
        }
        return &pagina_;
    }
    QPaintDevice* dispositivo = &stampante_;
    if (pdf_) {
        documento_ = std::make_unique<DocumentoPdf>();
        documento_->memoria.open(QIODevice::WriteOnly);
        documento_->pagine.setResolution(stampante_.resolution());
        documento_->pagine.setPageLayout(stampante_.pageLayout());
        dispositivo = &documento_->pagine;
    }
    if (!pagina_.Inizia(dispositivo, scala, SpessoreTwip * scala, CarattereValori())) {
        riuscito_ = false;
        return nullptr;
    }
    paginaInCorso_ = true;
    return &pagina_;
}

QPagedPaintDevice* StampanteQt::DispositivoPagine()
{
    if (!pdf_)
        return &stampante_;
    documento_ = std::make_unique<DocumentoPdf>();
    documento_->memoria.open(QIODevice::WriteOnly);
    documento_->pagine.setResolution(stampante_.resolution());
    documento_->pagine.setPageLayout(stampante_.pageLayout());
    return &documento_->pagine;
}

float StampanteQt::LarghezzaStampabile() const
{
    return static_cast<float>(stampante_.pageLayout().paintRect(QPageLayout::Point).width() * TwipPerPunto);
}

float StampanteQt::AltezzaStampabile() const
{
    return static_cast<float>(stampante_.pageLayout().paintRect(QPageLayout::Point).height() * TwipPerPunto);
}

void StampanteQt::FineDocumento()
{
    if (pdf_) {
        pagina_.Svuota();
        return;
    }
    riuscito_ = pagina_.Termina() && riuscito_;
    paginaInCorso_ = false;
}

bool StampanteQt::Conclude()
{
    paginaInCorso_ = false;
    bool riuscito = pagina_.Termina() && riuscito_;
    riuscito_ = true;
    motivo_.clear();
    if (pdf_ && !riuscito) {
        motivo_ = "il documento PDF non si è potuto completare";
    } else if (documento_) {
        const QByteArray& dati = documento_->dati;
        riuscito =
            ScriviFileSicuro(filePdf_, std::string_view(dati.constData(), static_cast<size_t>(dati.size())), motivo_);
    }
    documento_.reset();
    return riuscito;
}

} // namespace vellora
