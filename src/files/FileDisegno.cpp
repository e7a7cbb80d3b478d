#include "files/FileDisegno.h"

#include "files/CampiFile.h"
#include "files/RecordFigura.h"
#include "plane/Range.h"
#include "plane/Scala.h"

#include <cmath>

namespace vellora {

namespace {

bool EntroScala(float s)
{
    return s >= ScalaMinima && s <= ScalaMassima;
}

bool RispettaIlModello(const Disegno& c)
{
    const ParametriTrasformazione& par = c.Parametri;
    for (float v : {par.TraslX, par.TraslY, par.AngoloRotazione, par.CoeffOmotetia, par.StirOriz, par.StirVert,
                    c.CentroX, c.CentroY, par.PuntoPX, par.PuntoPY})
        if (!std::isfinite(v))
            return false;
    if (c.Range < RangeMinimo || c.Range > RangeMassimo || !EntroScala(c.ScalaX) || !EntroScala(c.ScalaY))
        return false;
    if (c.TipoGriglia < GrigliaRighe || c.TipoGriglia > GrigliaPunti)
        return false;
    // With no figures the selection is what a new drawing or the deletion of
    // the last figure leaves: a slot number, the whole figure.
    if (c.NumeroFigure == 0)
        return c.FiguraAttiva >= 1 && c.FiguraAttiva <= MaxFigure && c.VerticeAttivo == 0;
    if (c.FiguraAttiva < 1 || c.FiguraAttiva > c.NumeroFigure)
        return false;
    return c.VerticeAttivo <= c.Figure.X(c.FiguraAttiva, 0);
}

// The count fixes where everything after it lies: a count that is not a
// whole number 0..128 would read the rest out of step.
std::optional<uint8_t> NumeroFigureDaCampo(std::string_view campo)
{
    const auto n = NumeroDaCampo(campo);
    if (!n || !(*n >= 0 && *n <= MaxFigure) || std::trunc(*n) != *n)
        return std::nullopt;
    return static_cast<uint8_t>(*n);
}

} // namespace

std::string TestoDisegno(const Disegno& c)
{
    std::string t = IntestazioneDisegno + "\r\n";
    t += ' ';
    t += std::to_string(c.NumeroFigure);
    t += " \r\n";
    for (int f = 1; f <= c.NumeroFigure; ++f)
        ScriviRecord(t, EstraiRecord(c.Figure, f));
    for (int v : {c.FiguraAttiva, c.VerticeAttivo, c.TipoGriglia})
        t += std::to_string(v) + "\r\n";
    t += std::to_string(c.Range) + "\r\n";
    t += TestoNumeroFile(c.ScalaX) + "\r\n" + TestoNumeroFile(c.ScalaY) + "\r\n";
    t += std::to_string(c.TraslPianoX) + "\r\n" + std::to_string(c.TraslPianoY) + "\r\n";
    const ParametriTrasformazione& par = c.Parametri;
    for (float v : {par.TraslX, par.TraslY, par.AngoloRotazione, par.CoeffOmotetia, par.StirOriz, par.StirVert,
                    c.CentroX, c.CentroY, par.PuntoPX, par.PuntoPY})
        t += TestoNumeroFile(v) + "\r\n";
    return t;
}

std::optional<Disegno> LeggiTestoDisegno(std::string_view testo)
{
    CampiFile campi(testo);
    if (campi.Prossimo() != std::optional<std::string_view>(IntestazioneDisegno))
        return std::nullopt;
    Disegno c;
    // A file of the header alone is a new drawing.
    if (const auto campo = campi.Prossimo()) {
        const auto n = NumeroFigureDaCampo(*campo);
        if (!n)
            return std::nullopt;
        c.NumeroFigure = *n;
    }
    for (int f = 1; f <= c.NumeroFigure; ++f) {
        RecordFigura r;
        if (!LeggiRecord(campi, r) || !RecordValido(r))
            return std::nullopt;
        PosaRecord(c.Figure, f, r);
    }
    bool letti = campi.Leggi(c.FiguraAttiva) && campi.Leggi(c.VerticeAttivo) && campi.Leggi(c.TipoGriglia) &&
                 campi.Leggi(c.Range) && campi.Leggi(c.ScalaX) && campi.Leggi(c.ScalaY) && campi.Leggi(c.TraslPianoX) &&
                 campi.Leggi(c.TraslPianoY);
    ParametriTrasformazione& par = c.Parametri;
    for (float* v : {&par.TraslX, &par.TraslY, &par.AngoloRotazione, &par.CoeffOmotetia, &par.StirOriz, &par.StirVert,
                     &c.CentroX, &c.CentroY, &par.PuntoPX, &par.PuntoPY})
        letti = letti && campi.Leggi(*v);
    while (const auto resto = campi.Prossimo())
        letti = letti && resto->empty();
    par.ImpostaAngolo(par.AngoloRotazione);
    if (!letti || !RispettaIlModello(c))
        return std::nullopt;
    return c;
}

} // namespace vellora
