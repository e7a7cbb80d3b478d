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

TEST(Selezione, FigureAvantiEIndietroCiclano)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuPunto, Voce::MnuFiguraMenuSegmento, Voce::MnuFiguraMenuTriangoliEqui});
    b.p.totali.TotRotazione = 20;
    const std::tuple<void (*)(Programma&), int, std::string, std::string> passi[] = {
        {FiguraSuccessiva, 1, "Figura  1: punto", ""},
        {FiguraSuccessiva, 2, "Figura  2: segmento giallo", "Figura"},
        {FiguraPrecedente, 1, "Figura  1: punto", ""},
        {FiguraPrecedente, 3, "Figura  3: triangolo giallo", "Figura"},
    };
    for (const auto& [comando, figura, campoFigura, campoVertice] : passi) {
        comando(b.p);
        EXPECT_EQ(b.p.d.FiguraAttiva, figura);
        EXPECT_EQ(b.p.testi.CampoFigura, campoFigura);
        EXPECT_EQ(b.p.testi.CampoVertice, campoVertice);
        EXPECT_EQ(b.p.testi.Pannelli[0], "Rot.=0°");
    }
}

TEST(Selezione, VerticiCiclanoSenzaAzzerareITotali)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuTriangoliRett});
    b.p.totali.TotRotazione = 20;
    const std::pair<void (*)(Programma&), std::string> passi[] = {
        {VerticeSuccessivo, "Vertice A"}, {VerticeSuccessivo, "Vertice B"}, {VerticeSuccessivo, "Vertice C"},
        {VerticeSuccessivo, "Figura"},    {VerticeSuccessivo, "Vertice A"}, {VerticePrecedente, "Figura"},
        {VerticePrecedente, "Vertice C"},
    };
    for (const auto& [comando, atteso] : passi) {
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
    EXPECT_TRUE(b.dialoghi.messaggi.empty());
    EXPECT_TRUE(b.schermo.operazioni.empty());
}

TEST(Elimina, SecondaDiCinqueRendeAttivaLUltima)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuPunto, Voce::MnuFiguraMenuSegmento, Voce::MnuFiguraMenuTriangoliEqui,
                  Voce::MnuFiguraMenuQuadrilateriQuadrato, Voce::MnuFiguraMenuPentagoniRegolare});
    b.p.d.FiguraAttiva = 2;
    b.p.testi.CampoFigura = "Figura  2: segmento giallo";
    EXPECT_TRUE(EliminaFiguraAttiva(b.p));
    ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Sarà eliminata la figura selezionata. Figura  2: segmento giallo");
    EXPECT_EQ(b.dialoghi.messaggi[0].pulsanti, Pulsanti::OkAnnulla);
    EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Esclamazione);
    EXPECT_EQ(b.p.d.NumeroFigure, 4);
    EXPECT_EQ(b.p.testi.CampoFigura, "Figura  4: pentagono giallo");
    EXPECT_EQ(NumeroPunti(b.p.d, 2), 3);
}

TEST(Elimina, AnnullaNonCambiaNulla)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuPunto});
    b.dialoghi.risposte = {Risposta::Annulla};
    const auto prima = Istantanea(b.p);
    EXPECT_FALSE(EliminaFiguraAttiva(b.p));
    EXPECT_TRUE(Istantanea(b.p) == prima);
}

TEST(Elimina, LUnicaFiguraSvuotaIlDisegno)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuTriangoliEqui});
    b.p.voci.Spunta(Voce::MnuVisualizzaDati, true);
    b.p.testi.DatiVisibili = true;
    EXPECT_TRUE(EliminaFiguraAttiva(b.p));
    EXPECT_EQ(b.p.d.NumeroFigure, 0);
    EXPECT_EQ(b.p.d.FiguraAttiva, 1);
    EXPECT_EQ(b.p.testi.CampoFigura, "Non ci sono figure");
    EXPECT_FALSE(b.p.testi.DatiVisibili);
    EXPECT_FALSE(b.p.voci.Spuntata(Voce::MnuVisualizzaDati));
    EXPECT_FALSE(b.p.voci.Abilitata(Voce::MnuModificaElimina));
}

TEST(Replica, CopiaLaFiguraAttivaOppureRifiutaATabellaPiena)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuPunto, Voce::MnuFiguraMenuTriangoliEqui, Voce::MnuFiguraMenuSegmento});
    b.p.d.FiguraAttiva = 2;
    b.p.d.VerticeAttivo = 2;
    EXPECT_TRUE(ReplicaFiguraAttiva(b.p));
    EXPECT_EQ(b.p.d.NumeroFigure, 4);
    EXPECT_EQ(b.p.d.VerticeAttivo, 0);
    for (int k = 0; k <= UltimoSlot; ++k)
        EXPECT_TRUE(b.p.d.Figure.X(4, k) == b.p.d.Figure.X(2, k) && b.p.d.Figure.Y(4, k) == b.p.d.Figure.Y(2, k)) << k;
    EXPECT_EQ(b.p.testi.CampoFigura, "Figura  4: triangolo giallo");

    while (b.p.d.NumeroFigure < MaxFigure)
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
    const auto prima = Istantanea(b.p);
    EXPECT_FALSE(ReplicaFiguraAttiva(b.p));
    EXPECT_TRUE(Istantanea(b.p) == prima);
    ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Non è possibile inserire altre figure");
    EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
}

TEST(ApplicaTavolozza, ColoriETratteggio)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuTriangoliEqui});
    b.p.d.VerticeAttivo = 2;
    for (const auto& [indice, colore, campo] :
         {std::tuple{0, 15.0f, "Figura  1: triangolo bianco"}, std::tuple{6, 7.0f, "Figura  1: triangolo grigio"}}) {
        b.p.sessione.Modificato = false;
        ApplicaTavolozza(b.p, indice);
        EXPECT_EQ(b.p.d.Figure.X(1, SlotColore), colore);
        EXPECT_EQ(b.p.testi.CampoFigura, campo);
        EXPECT_EQ(b.p.d.VerticeAttivo, 2); // the selected point stays selected
        EXPECT_TRUE(b.p.sessione.Modificato);
    }
    ApplicaTavolozza(b.p, 7);
    EXPECT_EQ(b.p.d.Figure.Y(1, SlotColore), TrattoPunteggiato);
    ApplicaTavolozza(b.p, 7);
    EXPECT_EQ(b.p.d.Figure.Y(1, SlotColore), TrattoPieno);
}

} // namespace
