#include "Finti.h"
#include "figures/Catalogo.h"
#include "figures/ComandiSelezione.h"

#include <gtest/gtest.h>

using namespace vellora;
using vellora::test::Banco;

namespace {

void Inserisci(Banco& b, std::initializer_list<Voce> voci)
{
    for (Voce v : voci)
        InserisciFiguraPredefinita(b.p, v);
}

// Everything a command that does nothing must leave alone.
auto Istantanea(const Programma& p)
{
    return std::tuple(p.d, p.testi, p.voci, p.totali);
}

// Round the ends both ways; a new figure puts the totals back to rest, a new vertex does not.
TEST(Selezione, FigureEVerticiCiclano)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuPunto, Voce::MnuFiguraMenuSegmento, Voce::MnuFiguraMenuTriangoliEqui});
    const std::tuple<void (*)(Programma&), int, std::string, std::string> figure[] = {
        {FiguraSuccessiva, 1, "Figura  1: punto", ""},
        {FiguraSuccessiva, 2, "Figura  2: segmento giallo", "Figura"},
        {FiguraPrecedente, 1, "Figura  1: punto", ""},
        {FiguraPrecedente, 3, "Figura  3: triangolo giallo", "Figura"},
    };
    for (const auto& [comando, figura, campoFigura, campoVertice] : figure) {
        b.p.totali.TotRotazione = 20;
        comando(b.p);
        EXPECT_EQ(std::tuple(b.p.d.FiguraAttiva, b.p.testi.CampoFigura, b.p.testi.CampoVertice, b.p.testi.Pannelli[0]),
                  std::tuple(figura, campoFigura, campoVertice, "Rot.=0°"));
    }
    b.p.totali.TotRotazione = 20;
    const std::pair<void (*)(Programma&), std::string> vertici[] = {
        {VerticeSuccessivo, "Vertice A"}, {VerticeSuccessivo, "Vertice B"}, {VerticeSuccessivo, "Vertice C"},
        {VerticeSuccessivo, "Figura"},    {VerticeSuccessivo, "Vertice A"}, {VerticePrecedente, "Figura"},
        {VerticePrecedente, "Vertice C"},
    };
    for (const auto& [comando, atteso] : vertici) {
        comando(b.p);
        EXPECT_EQ(b.p.testi.CampoVertice, atteso);
    }
    EXPECT_EQ(b.p.totali.TotRotazione, 20.0f);
}

TEST(Selezione, ComandiSuDisegnoVuotoNonFannoNulla)
{
    Banco b;
    const auto prima = Istantanea(b.p);
    for (auto comando : {FiguraSuccessiva, FiguraPrecedente, VerticeSuccessivo, VerticePrecedente})
        comando(b.p);
    for (int i = 0; i <= 7; ++i)
        ApplicaTavolozza(b.p, i);
    EXPECT_FALSE(EliminaFiguraAttiva(b.p));
    EXPECT_FALSE(ReplicaFiguraAttiva(b.p));
    EXPECT_TRUE(Istantanea(b.p) == prima);
    EXPECT_TRUE(b.dialoghi.messaggi.empty() && b.schermo.operazioni.empty());
}

// Asked first: Annulla changes nothing; OK deletes and makes the last figure active.
TEST(Elimina, SecondaDiCinqueRendeAttivaLUltima)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuPunto, Voce::MnuFiguraMenuSegmento, Voce::MnuFiguraMenuTriangoliEqui,
                  Voce::MnuFiguraMenuQuadrilateriQuadrato, Voce::MnuFiguraMenuPentagoniRegolare});
    b.p.d.FiguraAttiva = 2;
    b.p.testi.CampoFigura = "Figura  2: segmento giallo";
    b.dialoghi.risposte = {Risposta::Annulla};
    const auto prima = Istantanea(b.p);
    EXPECT_FALSE(EliminaFiguraAttiva(b.p));
    EXPECT_TRUE(Istantanea(b.p) == prima);
    EXPECT_TRUE(EliminaFiguraAttiva(b.p));
    ASSERT_EQ(b.dialoghi.messaggi.size(), 2u);
    const auto& m = b.dialoghi.messaggi[1];
    EXPECT_EQ(std::tuple(m.testo, m.pulsanti, m.icona),
              std::tuple("Sarà eliminata la figura selezionata. Figura  2: segmento giallo", Pulsanti::OkAnnulla,
                         Icona::Esclamazione));
    EXPECT_EQ(std::tuple(b.p.d.NumeroFigure, b.p.testi.CampoFigura, NumeroPunti(b.p.d, 2)),
              std::tuple(4, "Figura  4: pentagono giallo", 3));
}

TEST(Elimina, LUnicaFiguraSvuotaIlDisegno)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuTriangoliEqui});
    b.p.voci.Spunta(Voce::MnuVisualizzaDati, true);
    b.p.testi.DatiVisibili = true;
    EXPECT_TRUE(EliminaFiguraAttiva(b.p));
    EXPECT_EQ(std::tuple(b.p.d.NumeroFigure, b.p.d.FiguraAttiva, b.p.testi.CampoFigura, b.p.testi.DatiVisibili),
              std::tuple(0, 1, "Non ci sono figure", false));
    EXPECT_FALSE(b.p.voci.Spuntata(Voce::MnuVisualizzaDati) || b.p.voci.Abilitata(Voce::MnuModificaElimina));
}

TEST(Replica, CopiaLaFiguraAttivaOppureRifiutaATabellaPiena)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuPunto, Voce::MnuFiguraMenuTriangoliEqui, Voce::MnuFiguraMenuSegmento});
    b.p.d.FiguraAttiva = 2;
    b.p.d.VerticeAttivo = 2;
    EXPECT_TRUE(ReplicaFiguraAttiva(b.p));
    EXPECT_EQ(std::tuple(b.p.d.NumeroFigure, b.p.d.VerticeAttivo, b.p.testi.CampoFigura),
              std::tuple(4, 0, "Figura  4: triangolo giallo"));
    for (int k = 0; k <= UltimoSlot; ++k)
        EXPECT_TRUE(b.p.d.Figure.X(4, k) == b.p.d.Figure.X(2, k) && b.p.d.Figure.Y(4, k) == b.p.d.Figure.Y(2, k)) << k;

    while (b.p.d.NumeroFigure < MaxFigure)
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
    const auto prima = Istantanea(b.p);
    EXPECT_FALSE(ReplicaFiguraAttiva(b.p));
    EXPECT_TRUE(Istantanea(b.p) == prima);
    ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(std::tuple(b.dialoghi.messaggi[0].testo, b.dialoghi.messaggi[0].icona),
              std::tuple("Non è possibile inserire altre figure", Icona::Stop));
}

// Buttons 0..6 colour (the ends of the palette), 7 toggles the dotted outline.
TEST(ApplicaTavolozza, ColoriETratteggio)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuTriangoliEqui});
    for (const auto& [indice, colore, campo] :
         {std::tuple{0, 15.0f, "Figura  1: triangolo bianco"}, std::tuple{6, 7.0f, "Figura  1: triangolo grigio"}}) {
        ApplicaTavolozza(b.p, indice);
        EXPECT_EQ(std::tuple(b.p.d.Figure.X(1, SlotColore), b.p.testi.CampoFigura), std::tuple(colore, campo));
    }
    ApplicaTavolozza(b.p, 7);
    EXPECT_EQ(b.p.d.Figure.Y(1, SlotColore), TrattoPunteggiato);
    ApplicaTavolozza(b.p, 7);
    EXPECT_EQ(b.p.d.Figure.Y(1, SlotColore), TrattoPieno);
}

} // namespace
