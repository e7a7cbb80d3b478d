#include "files/FileDisegno.h"

#include "files/CampiFile.h"
#include "files/RecordFigura.h"

#include <cmath>

namespace vellora {

namespace {

bool RispettaIlModello(ContenutoDisegno& c)
{
    for (int f = 1; f <= c.NumeroFigure; ++f)
        if (!RecordValido(EstraiRecord(c.Figure, f)))
            return false;
    for (float v : {c.TraslX, c.TraslY, c.AngoloRotazione, c.CoeffOmotetia, c.StirOriz, c.StirVert, c.CentroX,
                    c.CentroY, c.PuntoPX, c.PuntoPY})
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

ContenutoDisegno EstraiContenuto(const Modello& m, const ParametriTrasformazione& par)
{
    ContenutoDisegno c;
    c.Figure = m.Figure;
    c.NumeroFigure = m.NumeroFigure;
    c.FiguraAttiva = m.FiguraAttiva;
    c.VerticeAttivo = m.VerticeAttivo;
    c.TipoGriglia = m.TipoGriglia;
    c.Range = m.Range;
    c.ScalaX = m.ScalaX;
    c.ScalaY = m.ScalaY;
    c.TraslPianoX = m.TraslPianoX;
    c.TraslPianoY = m.TraslPianoY;
    c.TraslX = par.TraslX;
    c.TraslY = par.TraslY;
    c.AngoloRotazione = par.AngoloRotazione;
    c.CoeffOmotetia = par.CoeffOmotetia;
    c.StirOriz = par.StirOriz;
    c.StirVert = par.StirVert;
    c.CentroX = m.CentroX;
    c.CentroY = m.CentroY;
    c.PuntoPX = par.PuntoPX;
    c.PuntoPY = par.PuntoPY;
    return c;
}

void ApplicaContenuto(const ContenutoDisegno& c, Modello& m, ParametriTrasformazione& par)
{
    m.Figure = c.Figure;
    m.NumeroFigure = c.NumeroFigure;
    m.FiguraAttiva = c.FiguraAttiva;
    m.VerticeAttivo = c.VerticeAttivo;
    m.TipoGriglia = c.TipoGriglia;
    m.Range = c.Range;
    m.ScalaX = c.ScalaX;
    m.ScalaY = c.ScalaY;
    m.TraslPianoX = c.TraslPianoX;
    m.TraslPianoY = c.TraslPianoY;
    par.TraslX = c.TraslX;
    par.TraslY = c.TraslY;
    par.ImpostaAngolo(c.AngoloRotazione);
    par.CoeffOmotetia = c.CoeffOmotetia;
    par.StirOriz = c.StirOriz;
    par.StirVert = c.StirVert;
    m.CentroX = c.CentroX;
    m.CentroY = c.CentroY;
    par.PuntoPX = c.PuntoPX;
    par.PuntoPY = c.PuntoPY;
}

std::string TestoDisegno(const ContenutoDisegno& c)
{
    std::string t = IntestazioneDisegno + "\r\n";
    t += " " + std::to_string(c.NumeroFigure) + " \r\n";
    for (int f = 1; f <= c.NumeroFigure; ++f)
        ScriviRecord(t, EstraiRecord(c.Figure, f));
    for (int v : {c.FiguraAttiva, c.VerticeAttivo, c.TipoGriglia})
        t += std::to_string(v) + "\r\n";
    t += std::to_string(c.Range) + "\r\n";
    t += TestoNumeroFile(c.ScalaX) + "\r\n" + TestoNumeroFile(c.ScalaY) + "\r\n";
    t += std::to_string(c.TraslPianoX) + "\r\n" + std::to_string(c.TraslPianoY) + "\r\n";
    for (float v : {c.TraslX, c.TraslY, c.AngoloRotazione, c.CoeffOmotetia, c.StirOriz, c.StirVert, c.CentroX,
                    c.CentroY, c.PuntoPX, c.PuntoPY})
        t += TestoNumeroFile(v) + "\r\n";
    return t;
}

std::optional<ContenutoDisegno> LeggiTestoDisegno(std::string_view testo, ContenutoDisegno base)
{
    CampiFile campi(testo);
    if (campi.Prossimo() != std::optional<std::string_view>(IntestazioneDisegno))
        return std::nullopt;
    ContenutoDisegno& c = base;
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
    for (float* v : {&c.TraslX, &c.TraslY, &c.AngoloRotazione, &c.CoeffOmotetia, &c.StirOriz, &c.StirVert, &c.CentroX,
                     &c.CentroY, &c.PuntoPX, &c.PuntoPY})
        campi.Leggi(*v);
    if (!RispettaIlModello(c))
        return std::nullopt;
    return c;
}

} // namespace vellora
