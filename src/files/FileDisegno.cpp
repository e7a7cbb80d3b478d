#include "files/FileDisegno.h"

#include "files/CampiFile.h"
#include "files/RecordFigura.h"

#include <cmath>

namespace vellora {

namespace {

bool RispettaIlModello(Disegno& c)
{
    for (int f = 1; f <= c.NumeroFigure; ++f)
        if (!RecordValido(EstraiRecord(c.Figure, f)))
            return false;
    const ParametriTrasformazione& par = c.Parametri;
    for (float v : {par.TraslX, par.TraslY, par.AngoloRotazione, par.CoeffOmotetia, par.StirOriz, par.StirVert,
                    c.CentroX, c.CentroY, par.PuntoPX, par.PuntoPY})
        if (!std::isfinite(v))
            return false;
    // Every pixel position divides by the scales.
    if (!(c.ScalaX > 0.0f) || !(c.ScalaY > 0.0f) || !std::isfinite(c.ScalaX) || !std::isfinite(c.ScalaY))
        return false;
    if (c.NumeroFigure == 0) {
        // No figure is selected, but the slot must stay a valid index for
        // code that looks at the active record of an empty drawing.
        if (c.FiguraAttiva < 1 || c.FiguraAttiva > MaxFigure)
            c.FiguraAttiva = 1;
        if (c.VerticeAttivo > MaxPunti)
            c.VerticeAttivo = 0;
        return true;
    }
    if (c.FiguraAttiva < 1 || c.FiguraAttiva > c.NumeroFigure)
        return false;
    return c.VerticeAttivo <= c.Figure.X(c.FiguraAttiva, 0);
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

std::optional<Disegno> LeggiTestoDisegno(std::string_view testo, Disegno base)
{
    CampiFile campi(testo);
    if (campi.Prossimo() != std::optional<std::string_view>(IntestazioneDisegno))
        return std::nullopt;
    Disegno& c = base;
    campi.Leggi(c.NumeroFigure);
    // The count fixes where everything after it lies: past 128 no reading
    // of the rest could make sense.
    if (c.NumeroFigure > MaxFigure)
        return std::nullopt;
    for (int f = 1; f <= c.NumeroFigure; ++f) {
        RecordFigura r = EstraiRecord(c.Figure, f);
        LeggiRecord(campi, r);
        PosaRecord(c.Figure, f, r);
    }
    campi.Leggi(c.FiguraAttiva);
    campi.Leggi(c.VerticeAttivo);
    campi.Leggi(c.TipoGriglia);
    campi.Leggi(c.Range);
    campi.Leggi(c.ScalaX);
    campi.Leggi(c.ScalaY);
    campi.Leggi(c.TraslPianoX);
    campi.Leggi(c.TraslPianoY);
    ParametriTrasformazione& par = c.Parametri;
    for (float* v : {&par.TraslX, &par.TraslY, &par.AngoloRotazione, &par.CoeffOmotetia, &par.StirOriz, &par.StirVert,
                     &c.CentroX, &c.CentroY, &par.PuntoPX, &par.PuntoPY})
        campi.Leggi(*v);
    par.ImpostaAngolo(par.AngoloRotazione);
    if (!RispettaIlModello(c))
        return std::nullopt;
    return c;
}

} // namespace vellora
