#include "Finti.h"
#include "figures/Catalogo.h"
#include "figures/Cerchi.h"
#include "plane/Mappatura.h"
#include "plane/Schermo.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace vellora {
namespace {

using test::Banco;
using Testi = std::vector<std::string>;

const SchedaCerchio& Raggio = *SchedaCerchioDi(Voce::MnuFiguraCerchio2);
const SchedaCerchio& Punto = *SchedaCerchioDi(Voce::MnuFiguraCerchio);
const SchedaCerchio& TrePunti = *SchedaCerchioDi(Voce::MnuFiguraCerchio1);

struct Registro : Registratore {
    std::vector<std::string> righe;
    void Accoda(const std::string& riga) override { righe.push_back(riga); }
};

// OK stores every circle as its centre and one point of the circumference.
TEST(Cerchi, OkAggiungeIlCerchio)
{
    const struct {
        const SchedaCerchio& s;
        Testi testi;
        float cx, cy, px, py;
    } casi[] = {
        {Raggio, {"-1,5", "2", "1/4"}, -1.5f, 2, -1.25f, 2},
        {Punto, {"1", "1", "1", "1"}, 1, 1, 1, 1}, // radius 0 is a circle too
        {TrePunti, {"0", "0", "2", "0", "0", "2"}, 1, 1, 0, 0},
        {TrePunti, {"0", "0", "1", "0", "2", "0,1"}, 0.5f, 10.05f, 0, 0}, // nearly aligned, still on the plane
        // At 34 pixels a unit the far side stands at 460 x 34 = 15640 pixels.
        {TrePunti, {"0", "0", "460", "0", "230", "230"}, 230, 0, 0, 0},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(std::string(c.s.nome) + " " + c.testi[0]);
        Banco b;
        Registro registro;
        b.p.registratore = &registro;
        b.p.sessione.RegistraMacro = true;
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuTriangoliRett);
        b.p.sessione.Modificato = false;
        b.p.totali.TotRotazione = 30.0f;
        ModuloCerchio m(b.p, c.s);
        m.Testi = c.testi;
        ASSERT_TRUE(m.Ok());
        const Programma& p = b.p;
        const TabellaFigure& t = p.d.Figure;
        EXPECT_EQ(std::tuple(p.d.NumeroFigure, p.d.FiguraAttiva, p.d.VerticeAttivo, t.X(2, 0), t.Y(2, 0), t.X(2, 22),
                             t.Y(2, 22), t.X(2, 2), t.Y(2, 2)),
                  std::tuple(2, 2, 0, 2.0f, 1.0f, 14.0f, 0.0f, c.px, c.py));
        EXPECT_NEAR(t.X(2, 1), c.cx, 1e-5);
        EXPECT_NEAR(t.Y(2, 1), c.cy, 1e-5);
        EXPECT_EQ(std::tuple(p.testi.CampoFigura, p.testi.CampoVertice, p.sessione.Modificato, p.totali,
                             registro.righe.size(), b.dialoghi.messaggi.size()),
                  std::tuple("Figura  2: circonf. in  giallo", "Figura", true, Totali{}, 0u, 0u));
    }
}

// A refusal says why once, names the box to correct and changes nothing; the order of the checks.
TEST(Cerchi, UnRifiutoNonCambiaNulla)
{
    const std::string NonInterpretabile = "Vellora non è in grado di interpretare l'input";
    const struct {
        const SchedaCerchio& s;
        Testi testi;
        bool pieno; // 128 figures
        std::string messaggio;
        int errata;
    } casi[] = {
        {Raggio, {"0", "0", "-2"}, false, MessaggioRaggio, 2},
        {Raggio, {"x", "0", "1/0"}, false, "Divisione per zero!", 2}, // the radius is read first
        {Raggio, {"0", "0", "0"}, true, MessaggioRaggio, 2},          // the radius before the full table
        {TrePunti, {"0", "0", "1", "1", "-2", "-2"}, false, MessaggioAllineati, -1},
        {TrePunti, {"0", "0", "1", "0", "2", "0,0001"}, false, MessaggioAllineati, -1}, // centre far off the plane
        // The centre within the pixel limit, the far side at 600 x 34 = 20400 pixels.
        {TrePunti, {"0", "0", "600", "0", "300", "300"}, false, MessaggioAllineati, -1},
        {TrePunti, {"0", "0", "1", "1", "2", "2"}, true, MessaggioTroppeFigure, -1}, // the full table first
        {TrePunti, {"0", "0", "1 2", "0", "x", "0"}, false, NonInterpretabile, 2},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(std::string(c.s.nome) + " " + c.messaggio);
        Banco b;
        const float xs[1] = {1};
        while (b.p.d.NumeroFigure < (c.pieno ? MaxFigure : 1))
            AggiungiFigura(b.p.d, 1, xs, xs);
        Ridisegna(b.p); // the mapping the pixel limit is measured with
        const Disegno prima = b.p.d;
        ModuloCerchio m(b.p, c.s);
        m.Testi = c.testi;
        EXPECT_FALSE(m.Ok());
        EXPECT_EQ(b.dialoghi.Testi(), Testi{c.messaggio});
        EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
        // The boxes keep what was typed.
        EXPECT_EQ(std::tuple(m.Errata, m.Testi, b.p.d == prima, b.p.sessione.Modificato),
                  std::tuple(c.errata, c.testi, true, false));
    }
}

// Applica (not reading the radius) and the point buttons mark the points P, Q, R; nothing is added.
TEST(Cerchi, ApplicaEIPulsantiSegnanoIPunti)
{
    Banco b;
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuTriangoliRett); // (1,1) (1,4) (3,1)
    b.p.d.CentroX = 0.5f;
    b.p.sessione.Modificato = false;
    const Disegno prima = b.p.d;
    const auto segni = [&b] {
        std::vector<std::tuple<std::string, double, double>> r;
        for (const auto& o : b.schermo.DelTipo(test::Operazione::Testo))
            if (o.testo == "P" || o.testo == "Q" || o.testo == "R")
                r.emplace_back(o.testo, o.x1, o.y1);
        b.schermo.operazioni.clear();
        return r;
    };
    const auto segno = [&b](const char* e, float x, float y) {
        const PuntoPixel q = PianoInPixel(b.p.d, b.p.mappa, x, y);
        return std::tuple(std::string(e), q.x + 5, q.y);
    };

    ModuloCerchio r(b.p, Raggio);
    EXPECT_EQ(r.Testi, (Testi{"0", "0", "1"}));
    r.Testi[2] = "x";
    EXPECT_TRUE(r.Applica() && b.dialoghi.messaggi.empty());

    ModuloCerchio t(b.p, TrePunti);
    t.Seleziona(1, 2); // Q := B of the triangle
    t.PuntoO(0);
    b.schermo.operazioni.clear();
    t.Seleziona(2, 4); // the triangle has no D: nothing, not even a redraw
    t.Testi[4] = "7";
    t.Origine(2);
    EXPECT_EQ(t.Testi, (Testi{"0,5", "0", "1", "4", "0", "0"}));
    EXPECT_EQ(segni(), (std::vector{segno("P", 0.5f, 0), segno("Q", 1, 4), segno("R", 0, 0)}));
    t.Testi[2] = "1/0";
    EXPECT_FALSE(t.Applica());
    EXPECT_EQ(t.Errata, 2);
    t.Annulla();
    EXPECT_FALSE(b.schermo.operazioni.empty());
    EXPECT_TRUE(segni().empty() && b.p.d == prima && !b.p.sessione.Modificato);
}

} // namespace
} // namespace vellora
