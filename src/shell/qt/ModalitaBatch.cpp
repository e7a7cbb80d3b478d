#include "shell/qt/ModalitaBatch.h"

#include "files/qt/Bitmap.h"
#include "plane/Schermo.h"
#include "plane/qt/SuperficieImmagine.h"
#include "print/qt/Stampa.h"
#include "shell/Batch.h"
#include "state/Programma.h"

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <streambuf>

namespace vellora {

namespace {

// A stream over the C library's stdout or stderr. The standard streams of
// <iostream> would be set up at every start of the program, windows
// included, for the command-line mode alone.
class UscitaFile : public std::streambuf {
public:
    explicit UscitaFile(std::FILE* file) : file_(file) {}

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        return std::fputc(c, file_) == EOF ? traits_type::eof() : c;
    }
    std::streamsize xsputn(const char* testo, std::streamsize n) override
    {
        return static_cast<std::streamsize>(std::fwrite(testo, 1, static_cast<size_t>(n), file_));
    }
    int sync() override { return std::fflush(file_); }

private:
    std::FILE* file_;
};

enum class Formato { Nessuno, Png, Bmp, Pdf, Svg, Sconosciuto };

Formato FormatoDi(const std::string& percorso)
{
    if (percorso.empty())
        return Formato::Nessuno;
    // The name is bytes, as the system has it; only its ASCII ending matters.
    std::string estensione = std::filesystem::path(percorso).extension().string();
    for (char& c : estensione)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    if (estensione == ".png")
        return Formato::Png;
    if (estensione == ".bmp")
        return Formato::Bmp;
    if (estensione == ".pdf")
        return Formato::Pdf;
    if (estensione == ".svg")
        return Formato::Svg;
    return Formato::Sconosciuto;
}

// The plane drawn exactly as the screen redraw draws it, at the given size.
bool EsportaImmagine(Programma& p, const OpzioniBatch& o, const char* formato)
{
    SuperficieImmagine superficie(QSize(o.larghezza, o.altezza));
    p.ImpostaSchermo(&superficie, o.larghezza, o.altezza);
    Ridisegna(p);
    p.ImpostaSchermo(nullptr, 0, 0);
    std::string motivo;
    if (ScriviImmagine(o.esporta, superficie.Immagine(), formato, motivo))
        return true;
    p.Messaggio("Impossibile esportare il piano in «" + o.esporta + "»: " + motivo);
    return false;
}

// The error stream carries the program's own messages, one per line: Qt's
// notes about the environment would only confuse a script reading it.
void SoloErroriGravi(QtMsgType tipo, const QMessageLogContext&, const QString& testo)
{
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
        std::fprintf(stderr, "%s\n", testo.toLocal8Bit().constData());
}

} // namespace

int EseguiSeBatch(int argc, char** argv)
{
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    const ArgomentiBatch a = AnalizzaArgomenti(argomenti);
    if (!a.batch)
        return -1;
    UscitaFile uscitaErrori(stderr), uscitaDati(stdout);
    std::ostream errori(&uscitaErrori), dati(&uscitaDati);
    if (!a.errore.empty()) {
        errori << a.errore << "\n\n" << UsoBatch;
        return EsitoUsoErrato;
    }
    const OpzioniBatch& o = a.opzioni;
    if (o.aiuto) {
        dati << UsoBatch << std::flush;
        return EsitoRiuscito;
    }
    const Formato formato = FormatoDi(o.esporta);
    if (formato == Formato::Sconosciuto) {
        errori << "Formato di esportazione non riconosciuto: " << o.esporta << " (usare .png, .bmp, .svg o .pdf)\n";
        return EsitoUsoErrato;
    }

    // No window: the offscreen platform, chosen before the application exists.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(SoloErroriGravi);
    QApplication app(argc, argv);
    DialoghiFlusso dialoghi(errori);
    VistaAssente vista;
    Programma p(dialoghi, vista);
    if (const int esito = CaricaDisegnoBatch(p, o.disegno); esito != EsitoRiuscito)
        return esito;
    if (!o.macro.empty())
        if (const int esito = EseguiMacroBatch(p, o.macro, o.larghezza, o.altezza); esito != EsitoRiuscito)
            return esito;

    if (o.dati)
        dati << TestoDatiBatch(p) << std::flush;
    p.voci.Spunta(Voce::MnuVisualizzaTrattoSpesso, o.trattoSpesso);
    if (formato == Formato::Png)
        EsportaImmagine(p, o, "PNG");
    else if (formato == Formato::Bmp)
        EsportaImmagine(p, o, "BMP");
    else if (formato == Formato::Svg)
        EsportaSvgBatch(p, o.esporta, o.larghezza, o.altezza);
    else if (std::string motivo; formato == Formato::Pdf && !EsportaPdf(p, o.esporta, motivo))
        p.Messaggio("Impossibile esportare la pagina in «" + o.esporta + "»: " + motivo);
    if (!o.salva.empty())
        SalvaDisegnoBatch(p, o.salva);
    return dialoghi.Messaggi() > 0 ? EsitoErrore : EsitoRiuscito;
}

} // namespace vellora
