#include "Finti.h"
#include "figures/Catalogo.h"
#include "figures/Cerchi.h"
#include "plane/Mappatura.h"
#include "plane/Schermo.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace vellora {
namespace {

using test::Banco;
using Testi = std::vector<std::string>;

const SchedaCerchio& Scheda(Voce v)
{
    return *SchedaCerchioDi(v);
}

const SchedaCerchio& Raggio = Scheda(Voce::MnuFiguraCerchio2);
const SchedaCerchio& Punto = Scheda(Voce::MnuFiguraCerchio);
const SchedaCerchio& TrePunti = Scheda(Voce::MnuFiguraCerchio1);

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
        {Raggio, {"0", "0", "1"}, 0, 0, 1, 0},
        {Raggio, {"-1,5", "2", "1/4"}, -1.5f, 2, -1.25f, 2},
        {Punto, {"0", "0", "3", "4"}, 0, 0, 3, 4},
        {Punto, {"1", "1", "1", "1"}, 1, 1, 1, 1}, // radius 0 is a circle too
        {TrePunti, {"0", "0", "2", "0", "0", "2"}, 1, 1, 0, 0},
        {TrePunti, {"3", "1", "-1", "1", "1", "3"}, 1, 1, 3, 1},
        {TrePunti, {"0", "0", "1", "0", "2", "0,1"}, 0.5f, 10.05f, 0, 0}, // nearly aligned, still on the plane
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
        const Disegno& d = b.p.d;
        EXPECT_EQ(std::tuple(d.NumeroFigure, d.FiguraAttiva, d.VerticeAttivo), std::tuple(2, 2, 0));
        const TabellaFigure& t = d.Figure;
        EXPECT_EQ(std::tuple(t.X(2, 0), t.Y(2, 0), t.X(2, 22), t.Y(2, 22)), std::tuple(2.0f, 1.0f, 14.0f, 0.0f));
        EXPECT_NEAR(t.X(2, 1), c.cx, 1e-5);
        EXPECT_NEAR(t.Y(2, 1), c.cy, 1e-5);
        EXPECT_EQ(std::tuple(t.X(2, 2), t.Y(2, 2)), std::tuple(c.px, c.py));
        EXPECT_EQ(b.p.testi.CampoFigura, "Figura  2: circonf. in  giallo");
        EXPECT_EQ(b.p.testi.CampoVertice, "Figura");
        EXPECT_TRUE(b.p.sessione.Modificato);
        EXPECT_EQ(b.p.totali, Totali{});
        EXPECT_TRUE(registro.righe.empty());
        EXPECT_TRUE(b.dialoghi.messaggi.empty());
    }
}

// A refused OK says why once, names the box to correct when there is one,
// and leaves the drawing and its modified flag as they were.
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
        {Raggio, {"0", "0", "0"}, false, MessaggioRaggio, 2},
        {Raggio, {"0", "0", "-2"}, false, MessaggioRaggio, 2},
        {Raggio, {"0", "0", "1/0"}, false, "Divisione per zero!", 2},
        {Raggio, {"x", "0", "-1"}, false, NonInterpretabile, 0},      // every box is read before the radius is judged
        {Raggio, {"x", "0", "1/0"}, false, "Divisione per zero!", 2}, // the radius is read first
        {Raggio, {"0", "0", "0"}, true, MessaggioRaggio, 2},          // the radius before the full table
        {Raggio, {"0", "0", "1"}, true, MessaggioTroppeFigure, -1},
        {Punto, {"0", "0", "1 2", "x"}, false, NonInterpretabile, 2},
        {Punto, {"0", "0", "1", "1"}, true, MessaggioTroppeFigure, -1},
        {TrePunti, {"1", "1", "1", "1", "5", "2"}, false, MessaggioAllineati, -1},
        {TrePunti, {"0", "0", "1", "1", "-2", "-2"}, false, MessaggioAllineati, -1},
        {TrePunti, {"0", "0", "1", "0", "2", "0,0001"}, false, MessaggioAllineati, -1}, // centre far off the plane
        {TrePunti, {"0", "0", "1", "1", "2", "2"}, true, MessaggioTroppeFigure, -1},    // the full table first
        {TrePunti,
         {"0", "0", "0", "0", "0", "1E400"},
         false,
         "Uno o più valori inseriti non sono nell'intervallo che Vellora può accettare",
         5},
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
        EXPECT_EQ(m.Errata, c.errata);
        EXPECT_EQ(m.Testi, c.testi); // the boxes keep what was typed
        EXPECT_TRUE(b.p.d == prima);
        EXPECT_FALSE(b.p.sessione.Modificato);
    }
}

// The whole circle, not only its centre, must stand within the pixel limit
// of the transformations: the circle through (0, 0), (2c, 0), (c, c) has its
// centre at (c, 0) and its far side at 2c.
TEST(Cerchi, IlCerchioInteroEntroIlLimite)
{
    for (const auto& [pixel, accettato] : {std::pair(7900, true), std::pair(8100, false), std::pair(17000, false)}) {
        SCOPED_TRACE(pixel);
        Banco b;
        Ridisegna(b.p);
        const std::string c = std::to_string(pixel / b.p.mappa.PassoPixel);
        ModuloCerchio m(b.p, TrePunti);
        m.Testi = {"0", "0", std::to_string(2 * pixel / b.p.mappa.PassoPixel), "0", c, c};
        EXPECT_EQ(m.Ok(), accettato);
        EXPECT_EQ(b.dialoghi.Testi(), accettato ? Testi{} : Testi{MessaggioAllineati});
    }
}

// The boxes open at "0" and the radius at "1"; Applica and the point buttons
// mark the dialog's points, named as the title names them, and add nothing.
TEST(Cerchi, ApplicaEIPulsantiSegnanoIPunti)
{
    Banco b;
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuTriangoliRett); // (1,1) (1,4) (3,1)
    b.p.d.CentroX = 0.5f;
    b.p.sessione.Modificato = false;
    const Disegno prima = b.p.d;
    const auto etichette = [&b] {
        std::vector<std::tuple<std::string, double, double>> r;
        for (const auto& o : b.schermo.DelTipo(test::Operazione::Testo))
            if (o.testo == "P" || o.testo == "Q" || o.testo == "R")
                r.emplace_back(o.testo, o.x1, o.y1);
        b.schermo.operazioni.clear();
        return r;
    };
    const auto pixel = [&b](const char* e, float x, float y) {
        const PuntoPixel q = PianoInPixel(b.p.d, b.p.mappa, x, y);
        return std::tuple(std::string(e), q.x + 5, q.y);
    };

    ModuloCerchio r(b.p, Raggio);
    EXPECT_EQ(r.Testi, (Testi{"0", "0", "1"}));
    r.Testi = {"2", "-1", "x"}; // the radius is not read
    ASSERT_TRUE(r.Applica());
    const auto testi = b.schermo.DelTipo(test::Operazione::Testo);
    EXPECT_TRUE(std::any_of(testi.begin(), testi.end(), [&](const test::Operazione& o) {
        return std::tuple(o.testo, o.x1, o.y1) == pixel("A", 2, -1);
    }));

    ModuloCerchio t(b.p, TrePunti);
    EXPECT_EQ(t.Testi, Testi(6, "0"));
    t.Seleziona(1, 2); // Q := B of the triangle
    EXPECT_EQ(t.Testi, (Testi{"0", "0", "1", "4", "0", "0"}));
    EXPECT_EQ(etichette(), (std::vector{pixel("P", 0, 0), pixel("Q", 1, 4), pixel("R", 0, 0)}));
    t.PuntoO(0);
    EXPECT_EQ(t.Testi, (Testi{"0,5", "0", "1", "4", "0", "0"}));
    EXPECT_EQ(etichette(), (std::vector{pixel("P", 0.5f, 0), pixel("Q", 1, 4), pixel("R", 0, 0)}));
    t.Seleziona(2, 4); // the triangle has no D
    t.Testi[4] = "7";
    t.Origine(2);
    EXPECT_EQ(t.Testi, (Testi{"0,5", "0", "1", "4", "0", "0"}));
    EXPECT_EQ(etichette(), (std::vector{pixel("P", 0.5f, 0), pixel("Q", 1, 4), pixel("R", 0, 0)}));
    t.Testi[2] = "1/0";
    EXPECT_FALSE(t.Applica());
    EXPECT_EQ(t.Errata, 2);
    EXPECT_TRUE(etichette().empty());
    t.Annulla();
    EXPECT_FALSE(b.schermo.operazioni.empty());
    EXPECT_TRUE(etichette().empty());
    EXPECT_TRUE(b.p.d == prima);
    EXPECT_FALSE(b.p.sessione.Modificato);
}

} // namespace
} // namespace vellora
