#include "Finti.h"
#include "figures/Catalogo.h"
#include "model/NumeriTesto.h"
#include "transform/ModuloImpostazioni.h"
#include "transform/PuntiQR.h"
#include "transform/Trasformazioni.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace vellora {
namespace {

using T = Trasformazione;
using test::Banco;
using Testi = std::vector<std::string>;

// The right triangle (1,1) (1,4) (3,1).
void Triangolo(Banco& b)
{
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuTriangoliRett);
}

// Each dialog reads exactly its row's values, in order, and names every control once.
TEST(Schede, LeggonoICampiDellaTrasformazione)
{
    for (const Descrittore& d : Descrittori()) {
        const Scheda& s = SchedaDi(d.tipo);
        SCOPED_TRACE(s.nome);
        std::vector<Campo> letti;
        std::set<std::string> nomi;
        for (const GruppoScheda& g : s.gruppi)
            for (const CasellaScheda& c : g.caselle) {
                if (c.letta)
                    letti.push_back(c.campo);
                EXPECT_TRUE(nomi.insert(c.nome).second) << c.nome;
                EXPECT_TRUE(nomi.insert(c.nomeEtichetta).second) << c.nomeEtichetta;
            }
        EXPECT_EQ(letti, std::vector<Campo>(d.dialogo.begin(), d.dialogo.end()));
        // A zero check guards the coefficient, which is read first.
        if (!s.nulloOk.empty()) {
            EXPECT_EQ(letti[0], Coefficiente(d));
        }
    }
}

TEST(Schede, TestoCasella)
{
    const std::pair<float, const char*> casi[] = {
        {0.5f, "0,5"},         {1.001f, "1,001"}, {-0.25f, "-0,25"},       {10.0f, "10"},           {0.0f, "0"},
        {999999.0f, "999999"}, {1E-9f, "1E-09"},  {123.4567f, "123,4567"}, {1.0f / 3, "0,3333333"},
    };
    for (const auto& [v, testo] : casi)
        EXPECT_EQ(TestoCasella(v), testo) << v;
}

// A preset writes the box only; Applica moves the point Annulla goes back to; OK keeps what it read.
TEST(ModuloImpostazioni, OkApplicaAnnulla)
{
    Banco b;
    b.p.d.CentroX = 1.001f;
    b.p.d.CentroY = -0.25f;
    b.p.d.Parametri.ImpostaAngolo(0.5f);
    {
        ModuloImpostazioni m(b.p, T::Ruota);
        EXPECT_EQ(m.Testi, (Testi{"0,5", "1,001", "-0,25"}));
        m.Preimposta(0, 1); // "1°"
        EXPECT_EQ(m.Testi[0], "1");
        EXPECT_EQ(b.p.d.Parametri.AngoloRotazione, 0.5f);
        EXPECT_TRUE(m.Applica());
        EXPECT_EQ(b.p.d.Parametri.AngoloRotazione, 1.0f);
        EXPECT_DOUBLE_EQ(b.p.d.Parametri.AngoloRadianti, 3.14159265 / 180);
        m.Testi = {"45", "3/4", "2"};
        m.Annulla();
        EXPECT_EQ(b.p.d.Parametri.AngoloRotazione, 1.0f);
        EXPECT_EQ(b.p.d.CentroX, 1.001f);
    }
    ModuloImpostazioni m(b.p, T::Trasla3);
    m.Preimposta(0, 2); // "0,5" into both components
    EXPECT_EQ(m.Testi, (Testi{"0,5", "0,5"}));
    m.Testi[1] = " -2,5 ";
    EXPECT_TRUE(m.Ok());
    EXPECT_EQ(b.p.d.Parametri.TraslX, 0.5f);
    EXPECT_EQ(b.p.d.Parametri.TraslY, -2.5f);
    EXPECT_EQ(m.Testi[1], " -2,5 "); // the box keeps what was typed

    // A one-way translation shows the other component as 0 and never reads it.
    ModuloImpostazioni v(b.p, T::Trasla2);
    EXPECT_EQ(v.Testi, (Testi{"0", "-2,5"}));
    v.Testi = {"abc", "7"};
    EXPECT_TRUE(v.Ok());
    EXPECT_EQ(b.p.d.Parametri.TraslX, 0.5f);
    EXPECT_EQ(b.p.d.Parametri.TraslY, 7.0f);
}

// A refused OK or Applica says why once, names the box to correct and changes nothing.
TEST(ModuloImpostazioni, UnRifiutoNonCambiaNulla)
{
    struct Caso {
        T t;
        Testi testi;
        bool ok;
        std::string messaggio;
        int errata;
    } casi[] = {
        {T::Ruota, {"abc", "1", "2"}, true, "Vellora non è in grado di interpretare l'input", 0},
        {T::Ruota,
         {"45", "1", "1E7"},
         false,
         "Uno o più valori inseriti non sono nell'intervallo che Vellora può accettare",
         2},
        {T::Omotetia, {"0", "1", "1"}, true, "Il coefficiente di omotetia non può essere nullo", 0},
        {T::Omotetia, {"0,0", "x", "1"}, false, "Il coefficiente di omotetia non può essere nullo", 0},
        {T::Omotetia, {"x", "1", "1"}, true, "Vellora non è in grado di interpretare l'input", 0},
        {T::Stir1, {"0", "1"}, true, "Il coefficiente di stiramento non può essere nullo", 0},
        {T::Stir1, {"0", "1"}, false, "Il coefficiente di stirameto non può essere nullo", 0},
        {T::Stir2, {"0", "1"}, false, "Il coefficiente di stiramento non può essere nullo", 0},
        {T::Simm4, {"1", "2", "x", "4"}, true, "Vellora non è in grado di interpretare l'input", 2},
        {T::Trasla3, {"1", "1/0"}, true, "Divisione per zero!", 1},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(SchedaDi(c.t).nome + std::string(c.ok ? " OK " : " Applica ") + c.testi[0]);
        Banco b;
        Triangolo(b);
        ModuloImpostazioni m(b.p, c.t);
        const Disegno prima = b.p.d;
        m.Testi = c.testi;
        EXPECT_FALSE(c.ok ? m.Ok() : m.Applica());
        EXPECT_EQ(b.dialoghi.Testi(), Testi{c.messaggio});
        EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
        EXPECT_EQ(m.Errata, c.errata);
        EXPECT_TRUE(b.p.d == prima);
        // Corrected, the same dialog accepts, and Annulla is back where it opened.
        m.Testi.assign(c.testi.size(), "3");
        EXPECT_TRUE(c.ok ? m.Ok() : m.Applica());
        EXPECT_EQ(m.Errata, -1);
        m.Annulla();
        EXPECT_EQ(b.p.d == prima, c.ok);
    }
}

// The point buttons set their group's coordinates at once, and only those; a circle's default is its centre.
TEST(ModuloImpostazioni, PulsantiDeiPunti)
{
    enum Azione { Selettore, Origine, Predefinita };
    struct Caso {
        Voce figura; // Voce::Conteggio: no figure; Voce::MnuFiguraCerchio: centre (2, -1) through (5, 3)
        T t;
        int gruppo;
        Azione azione;
        int k;
        Testi testi;
        float cx, cy, px, py;
    } casi[] = {
        {Voce::MnuFiguraMenuTriangoliRett, T::Ruota, 1, Selettore, 3, {"10", "3", "1"}, 3, 1, 1, 1},
        {Voce::MnuFiguraMenuSegmento, T::Ruota, 1, Selettore, 3, {"10", "5", "6"}, 5, 6, 1, 1},
        {Voce::Conteggio, T::Simm3, 0, Selettore, 1, {"5", "6"}, 5, 6, 1, 1},
        {Voce::MnuFiguraMenuTriangoliRett, T::Simm1, 0, Selettore, 2, {"1"}, 1, 6, 1, 1},
        {Voce::MnuFiguraMenuTriangoliRett, T::Simm2, 0, Selettore, 2, {"4"}, 5, 4, 1, 1},
        {Voce::MnuFiguraMenuTriangoliRett, T::Simm4, 1, Selettore, 2, {"5", "6", "1", "4"}, 5, 6, 1, 4},
        {Voce::MnuFiguraMenuTriangoliRett, T::Stir2, 1, Origine, 0, {"2", "0"}, 5, 0, 1, 1},
        {Voce::MnuFiguraMenuTriangoliRett, T::Simm4, 0, Origine, 0, {"0", "0", "1", "1"}, 0, 0, 1, 1},
        {Voce::MnuFiguraMenuQuadrilateriQuadrato, T::Ruota, 1, Predefinita, 0, {"10", "2,5", "2,5"}, 2.5f, 2.5f, 1, 1},
        {Voce::MnuFiguraMenuTriangoliRett, T::Simm2, 0, Predefinita, 0, {"2"}, 5, 2, 1, 1},
        {Voce::MnuFiguraMenuTriangoliRett, T::Stir1, 1, Predefinita, 0, {"2", "1,666667"}, 5.0f / 3, 6, 1, 1},
        {Voce::MnuFiguraMenuTriangoliRett, T::Simm4, 1, Predefinita, 0, {"5", "6", "1,666667", "2"}, 5, 6, 5.0f / 3, 2},
        {Voce::Conteggio, T::Omotetia, 1, Predefinita, 0, {"2", "5", "6"}, 5, 6, 1, 1},
        {Voce::MnuFiguraCerchio, T::Omotetia, 1, Predefinita, 0, {"2", "2", "-1"}, 2, -1, 1, 1},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << SchedaDi(c.t).nome << " gruppo " << c.gruppo << " azione " << c.azione << " "
                                        << c.k);
        Banco b;
        const float xc[] = {2, 5}, yc[] = {-1, 3};
        if (c.figura == Voce::MnuFiguraCerchio)
            AggiungiFigura(b.p.d, 2, xc, yc, true);
        else if (c.figura != Voce::Conteggio)
            InserisciFiguraPredefinita(b.p, c.figura);
        b.p.d.CentroX = 5.0f;
        b.p.d.CentroY = 6.0f;
        b.p.d.Parametri.PuntoPX = b.p.d.Parametri.PuntoPY = 1.0f;
        b.p.d.Parametri.ImpostaAngolo(10.0f);
        ModuloImpostazioni m(b.p, c.t);
        if (c.azione == Selettore)
            m.Seleziona(c.gruppo, c.k);
        else if (c.azione == Origine)
            m.Origine(c.gruppo);
        else
            m.Predefinita(c.gruppo);
        EXPECT_EQ(m.Testi, c.testi);
        EXPECT_EQ(std::tuple(b.p.d.CentroX, b.p.d.CentroY, b.p.d.Parametri.PuntoPX, b.p.d.Parametri.PuntoPY),
                  std::tuple(c.cx, c.cy, c.px, c.py));
    }
}

// The midpoint of QR moves O; an axis dialog keeps only its own coordinate of it.
TEST(ModuloImpostazioni, PuntoMedio)
{
    for (const T t : {T::Simm1, T::Simm2, T::Simm3}) {
        SCOPED_TRACE(SchedaDi(t).nome);
        Banco b;
        Triangolo(b);
        b.p.d.CentroX = 7.0f;
        b.p.d.CentroY = 8.0f;
        ModuloImpostazioni m(b.p, t);
        ModuloPuntiQR qr(b.p);
        qr.Seleziona(false, 2); // Q = (1, 4)
        qr.Seleziona(true, 3);  // R = (3, 1)
        qr.Seleziona(true, 4);  // beyond the triangle: R stays
        qr.PuntoMedio();
        m.DopoPuntoMedio(0);
        const float cx = t == T::Simm2 ? 7.0f : 2.0f;
        const float cy = t == T::Simm1 ? 8.0f : 2.5f;
        EXPECT_EQ(std::pair(b.p.d.CentroX, b.p.d.CentroY), std::pair(cx, cy));
        EXPECT_EQ(m.Testi[0], t == T::Simm2 ? "2,5" : "2");
    }
}

// With only R picked, Q is the origin; the vector goes into the boxes, not the parameters.
TEST(ModuloImpostazioni, TraslazioneQR)
{
    Banco b;
    const float x[] = {-1, 3}, y[] = {5, 2};
    AggiungiFigura(b.p.d, 2, x, y);
    ModuloPuntiQR qr(b.p);
    qr.Seleziona(true, 2);
    EXPECT_EQ(qr.Vettore(), (PuntoF{3, 2}));
    ModuloImpostazioni m(b.p, T::Trasla3);
    m.Vettore(qr.Vettore().x, qr.Vettore().y);
    EXPECT_EQ(m.Testi, (Testi{"3", "2"}));
    EXPECT_EQ(std::pair(b.p.d.Parametri.TraslX, b.p.d.Parametri.TraslY), std::pair(1.0f, 1.0f));
    // The plane marks Q at the origin and R at its point.
    std::vector<std::string> etichette;
    for (const auto& o : b.schermo.DelTipo(test::Operazione::Testo))
        if (o.testo == "Q" || o.testo == "R")
            etichette.push_back(o.testo);
    EXPECT_EQ(etichette, (Testi{"Q", "R"}));
}

// Over the redraw: the dotted axis through O unless it is an axis of the plane, the mark of P.
TEST(ModuloImpostazioni, AssiESegnoDiP)
{
    struct Caso {
        T t;
        float cx, cy;
        size_t punteggiate;
        bool p;
    } casi[] = {
        {T::Simm1, 2, 3, 1, false}, {T::Simm1, 0, 3, 0, false}, {T::Stir2, 2, 3, 1, false},
        {T::Stir2, 2, 0, 0, false}, {T::Simm4, 2, 3, 0, true},  {T::Simm3, 2, 3, 0, false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << SchedaDi(c.t).nome << " " << c.cx << ";" << c.cy);
        Banco b;
        b.p.d.CentroX = c.cx;
        b.p.d.CentroY = c.cy;
        ModuloImpostazioni m(b.p, c.t);
        b.schermo.operazioni.clear();
        EXPECT_TRUE(m.Applica());
        size_t punteggiate = 0;
        bool p = false;
        for (const auto& o : b.schermo.operazioni) {
            punteggiate += o.tipo == test::Operazione::Linea && o.stile == StileLinea::Punteggiato;
            p = p || (o.tipo == test::Operazione::Testo && o.testo == "P");
        }
        EXPECT_EQ(punteggiate, c.punteggiate);
        EXPECT_EQ(p, c.p);
    }
}

// The settings gesture opens the dialog, not during a macro; only a change marks the drawing modified.
TEST(ModuloImpostazioni, IlClicDestroApreIlDialogo)
{
    struct Caso {
        bool inMacro;
        float angolo; // what the dialog leaves
        bool aperto, modificato;
    } casi[] = {{false, 10, true, false}, {false, 45, true, true}, {true, 45, false, false}};
    for (const Caso& c : casi) {
        Banco b;
        b.p.sessione.EsecuzioneMacro = c.inMacro;
        int aperture = 0;
        ClicTrasformazione(b.p, T::Ruota, Gesto::Impostazioni, [&](Programma& p, Trasformazione t) {
            ++aperture;
            EXPECT_EQ(t, T::Ruota);
            ModuloImpostazioni m(p, t);
            m.Testi[0] = TestoCasella(c.angolo);
            EXPECT_TRUE(m.Ok());
        });
        EXPECT_EQ(aperture, c.aperto ? 1 : 0);
        EXPECT_EQ(b.p.sessione.Modificato, c.modificato);
    }
}

} // namespace
} // namespace vellora
