#include "figures/Catalogo.h"
#include "macro/BancoMacro.h"
#include "transform/Trasformazioni.h"

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <tuple>

namespace vellora {
namespace {

using T = Trasformazione;
using test::Banco;
using test::BancoMacro;
constexpr Gesto A = Gesto::Applica, I = Gesto::Inversa;
constexpr int S = 1, C = 2; // Shift, other modifier keys

// The right triangle (1,1) (1,4) (3,1), O = (2, -1), parameters whose images are worked out by hand.
void Prepara(Banco& b, Voce figura = Voce::MnuFiguraMenuTriangoliRett)
{
    InserisciFiguraPredefinita(b.p, figura);
    b.p.d.CentroX = 2.0f;
    b.p.d.CentroY = -1.0f;
    b.p.d.Parametri = {
        .TraslX = 1.5f, .TraslY = -2.0f, .PuntoPX = 4.0f, .PuntoPY = 3.0f, .StirOriz = 4.0f, .StirVert = 0.5f};
    b.p.d.Parametri.ImpostaAngolo(90.0f);
}

// The active figure's points to five decimals, "x;y x;y " (adding 0 turns a -0 into 0).
std::string Punti(const Disegno& m)
{
    std::ostringstream r;
    const auto cifre = [](float v) { return std::round(v * 1e5) / 1e5 + 0.0; };
    for (int k = 1; k <= NumeroPunti(m, m.FiguraAttiva); ++k)
        r << cifre(m.Figure.X(m.FiguraAttiva, k)) << ";" << cifre(m.Figure.Y(m.FiguraAttiva, k)) << " ";
    return r.str();
}

// The status-bar panels that have left their value at rest.
std::string Pannelli(const Programma& p)
{
    const std::string quiete[] = {"Rot.=0°", "xTrasl.=0", "yTrasl.=0", "Omot.=1", "Stir. oriz.=1", "Stir. vert.=1"};
    std::string r;
    for (size_t i = 0; i < 6; ++i)
        if (p.testi.Pannelli[i] != quiete[i])
            r += p.testi.Pannelli[i] + " ";
    return r;
}

// Mouse buttons 1 left, 2 right, 4 middle; a gesture that applies nothing refreshes, leaving the drawing unmarked.
TEST(TrasformazioniClic, OgniPulsanteEGesto)
{
    struct Caso {
        T t;
        int pulsante, tasti;
        std::string punti, riga, pannelli;
        uint8_t vertice = 0;
    } casi[] = {
        {T::Simm1, 1, 0, "3;1 3;4 1;1 ", "SimmetriaY,  2", ""},
        {T::Simm2, 1, S | C, "1;-3 1;-6 3;-3 ", "SimmetriaX, -1", ""},
        {T::Simm3, 1, 0, "3;-3 3;-6 1;-3 ", "SimmetriaO,  2, -1", ""},
        {T::Simm4, 1, S, "4.2;-0.6 6.6;1.2 3;1 ", "Simmetria,  2, -1,  4,  3", ""},
        {T::Trasla1, 1, 0, "2.5;1 2.5;4 4.5;1 ", "TraslazioneOr,  1.5", "xTrasl.=1,5 "},
        {T::Trasla1, 1, S, "-0.5;1 -0.5;4 1.5;1 ", "TraslazioneOr, -1.5", "xTrasl.=-1,5 "},
        {T::Trasla1, 1, 0, "1;1 2.5;4 3;1 ", "TraslazioneOr,  1.5", "xTrasl.=1,5 ", 2}, // the active vertex alone
        {T::Trasla2, 1, 0, "1;-1 1;2 3;-1 ", "TraslazioneVer, -2", "yTrasl.=-2 "},
        {T::Trasla2, 1, S, "1;3 1;6 3;3 ", "TraslazioneVer,  2", "yTrasl.=2 "},
        {T::Trasla3, 1, 0, "2.5;-1 2.5;2 4.5;-1 ", "Traslazione,  1.5, -2", "xTrasl.=1,5 yTrasl.=-2 "},
        {T::Trasla3, 1, S, "-0.5;3 -0.5;6 1.5;3 ", "Traslazione, -1.5,  2", "xTrasl.=-1,5 yTrasl.=2 "},
        {T::Ruota, 1, 0, "0;-2 -3;-2 0;0 ", "Rotazione,  90,  2, -1", "Rot.=90° "},
        {T::Ruota, 1, S, "4;0 7;0 4;-2 ", "Rotazione, -90,  2, -1", "Rot.=-90° "},
        {T::Omotetia, 1, 0, "0;3 0;9 4;3 ", "Omotetia,  2,  2, -1", "Omot.=2 "},
        {T::Omotetia, 1, S, "1.5;0 1.5;1.5 2.5;0 ", "Omotetia,  .5,  2, -1", "Omot.=0,5 "},
        {T::Stir1, 1, 0, "-2;1 -2;4 6;1 ", "StiramentoOr,  4,  2", "Stir. oriz.=4 "},
        {T::Stir1, 1, S, "1.75;1 1.75;4 2.25;1 ", "StiramentoOr,  .25,  2", "Stir. oriz.=0,25 "},
        {T::Stir2, 1, 0, "1;0 1;1.5 3;0 ", "StiramentoVer,  .5, -1", "Stir. vert.=0,5 "},
        {T::Stir2, 1, S, "1;3 1;9 3;3 ", "StiramentoVer,  2, -1", "Stir. vert.=2 "},
        {T::Omotetia, 1, S | C, "1;1 1;4 3;1 ", "", ""},
        {T::Simm3, 2, 0, "1;1 1;4 3;1 ", "", ""},
        {T::Stir2, 2, S, "1;1 1;4 3;1 ", "", ""},
        {T::Simm1, 4, 0, "1;1 1;4 3;1 ", "", ""},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.t) << " pulsante " << c.pulsante << " tasti " << c.tasti);
        BancoMacro b;
        Prepara(b);
        b.p.d.VerticeAttivo = c.vertice;
        b.p.sessione.Modificato = false;
        b.p.sessione.RegistraMacro = true;
        const int aggiornamenti = b.vista.aggiornamenti;
        const size_t disegni = b.schermo.operazioni.size();
        ClicTrasformazione(b.p, c.t, GestoDaMouse(c.t, c.pulsante, c.tasti & S, c.tasti & C));
        EXPECT_EQ(Punti(b.p.d), c.punti);
        EXPECT_EQ(b.Copia(), c.riga.empty() ? "" : c.riga + "\r\n");
        EXPECT_EQ(Pannelli(b.p), c.pannelli);
        EXPECT_EQ(b.p.sessione.Modificato, !c.riga.empty());
        EXPECT_GT(b.schermo.operazioni.size(), disegni);
        EXPECT_EQ(b.vista.aggiornamenti, aggiornamenti + 1);
        EXPECT_TRUE(b.dialoghi.messaggi.empty());
    }
}

// With no figure the totals stay at rest; a figure's totals compose, a rotation past 360° included.
TEST(TrasformazioniClic, Totali)
{
    Banco b;
    ClicTrasformazione(b.p, T::Trasla3, A);
    EXPECT_TRUE(b.p.totali == Totali{});
    EXPECT_EQ(Pannelli(b.p), "");
    EXPECT_FALSE(b.p.sessione.Modificato);

    Prepara(b, Voce::MnuFiguraMenuPunto);
    b.p.d.CentroX = b.p.d.CentroY = 1.0f; // the point stays put
    b.p.d.Parametri.ImpostaAngolo(10.0f);
    for (int i = 0; i < 37; ++i)
        ClicTrasformazione(b.p, T::Ruota, A);
    for (const Gesto g : {A, A, I})
        ClicTrasformazione(b.p, T::Omotetia, g);
    EXPECT_EQ(Pannelli(b.p), "Rot.=370° Omot.=2 ");
}

// Too large (past 16000 pixels at PassoPixel 34), or a circle to stretch: nothing else changes.
TEST(TrasformazioniClic, RifiutiNonCambianoNulla)
{
    struct Caso {
        T t;
        Gesto g;
        float traslY;
        bool inMacro, sulCerchio;
    } casi[] = {
        {T::Trasla2, A, 467.0f, false, false}, {T::Trasla3, A, 467.0f, true, false},
        {T::Omotetia, A, 0.0f, false, false},  {T::Stir1, Gesto::Impostazioni, 0.0f, false, true},
        {T::Stir2, I, 0.0f, false, true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(static_cast<int>(c.t));
        BancoMacro b;
        Prepara(b);
        ClicTrasformazione(b.p, T::Trasla1, A); // totals not at rest
        const float xs[] = {0, 2}, ys[] = {1, 1};
        if (c.sulCerchio)
            AggiungiFigura(b.p.d, 2, xs, ys, true);
        b.p.d.CentroX = b.p.d.CentroY = 0.0f;
        b.p.d.Parametri.TraslY = c.traslY;
        b.p.d.Parametri.CoeffOmotetia = 150.0f;
        b.p.sessione.Modificato = false;
        b.p.sessione.EsecuzioneMacro = c.inMacro;
        b.p.sessione.RegistraMacro = true;
        const auto stato = [&] {
            return std::tuple(b.p.d, b.p.totali, b.p.testi, b.vista.aggiornamenti, b.schermo.operazioni.size());
        };
        const auto prima = stato();
        ClicTrasformazione(b.p, c.t, c.g, [](Programma&, Trasformazione) { ADD_FAILURE() << "dialog opened"; });
        ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
        EXPECT_EQ(b.dialoghi.messaggi[0].testo,
                  c.sulCerchio ? "Vellora non può stirare una circonferenza"
                               : "Non è possibile eseguire la trasformazione; i numeri coinvolti sono troppo grandi.");
        EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
        EXPECT_EQ(b.p.NumeriTroppoGrandi, c.inMacro);
        EXPECT_TRUE(stato() == prima);
        EXPECT_EQ(b.Copia(), "");
    }
}

// An arithmetic error: figure kept, its own total back to 1, the others kept, no line recorded, no redraw.
TEST(TrasformazioniClic, FuoriIntervallo)
{
    const struct {
        T t;
        float coeff;
        Gesto g;
        int clicRiusciti;
    } casi[] = {
        {T::Omotetia, 1e10f, A, 3}, // the total overflows
        {T::Stir2, 1e30f, A, 1},
        {T::Stir1, 0.0f, I, 0}, // division by zero
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(static_cast<int>(c.t));
        BancoMacro b;
        Prepara(b, Voce::MnuFiguraMenuPunto);
        b.p.d.CentroX = b.p.d.CentroY = 1.0f;
        ClicTrasformazione(b.p, T::Trasla1, A);
        b.p.d.CentroX = 2.5f;            // the point lies on O: 0/0 for Stir1
        ClicTrasformazione(b.p, c.t, A); // its own total at 2
        b.p.d.Parametri.CoeffOmotetia = b.p.d.Parametri.StirVert = b.p.d.Parametri.StirOriz = c.coeff;
        for (int i = 0; i < c.clicRiusciti; ++i)
            ClicTrasformazione(b.p, c.t, c.g);
        EXPECT_NE(Pannelli(b.p), "xTrasl.=1,5 ");
        b.p.sessione.Modificato = false;
        b.p.sessione.RegistraMacro = true;
        const Disegno prima = b.p.d;
        const size_t disegni = b.schermo.operazioni.size();
        ClicTrasformazione(b.p, c.t, c.g);
        ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
        EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Uno o più parametri sono fuori dall'intervallo consentito");
        EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
        EXPECT_EQ(Pannelli(b.p), "xTrasl.=1,5 ");
        EXPECT_EQ(b.p.totali.TotTraslX, 1.5f);
        EXPECT_TRUE(b.p.d == prima);
        EXPECT_EQ(b.schermo.operazioni.size(), disegni);
        EXPECT_EQ(b.Copia(), "");
    }
}

} // namespace
} // namespace vellora
