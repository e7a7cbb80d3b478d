#include "shell/Selezione.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Finti.h"
#include "figures/Catalogo.h"

using namespace vellora;
using vellora::test::Banco;

namespace {

void Inserisci(Banco& b, std::initializer_list<Voce> voci)
{
    for (Voce v : voci)
        InserisciFiguraPredefinita(b.p, v);
}

struct Istantanea {
    Modello m;
    TestiVista testi;
    StatoVoci voci;
    Totali totali;
    explicit Istantanea(const Programma& p) : m(p.m), testi(p.testi), voci(p.voci), totali(p.totali) {}
    bool operator==(const Istantanea&) const = default;
};

TEST(Selezione, FigureAvantiEIndietroCiclano)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuPunto, Voce::MnuFiguraMenuSegmento, Voce::MnuFiguraMenuTriangoliEqui});
    b.p.totali.TotRotazione = 20;
    struct Passo {
        void (*comando)(Programma&);
        int figura;
        std::string campoFigura, campoVertice;
    };
    const Passo passi[] = {
        {FiguraSuccessiva, 1, "Figura  1: punto", ""},
        {FiguraSuccessiva, 2, "Figura  2: segmento giallo", "Figura"},
        {FiguraPrecedente, 1, "Figura  1: punto", ""},
        {FiguraPrecedente, 3, "Figura  3: triangolo giallo", "Figura"},
    };
    for (const Passo& s : passi) {
        s.comando(b.p);
        EXPECT_EQ(b.p.m.FiguraAttiva, s.figura);
        EXPECT_EQ(b.p.testi.CampoFigura, s.campoFigura);
        EXPECT_EQ(b.p.testi.CampoVertice, s.campoVertice);
        EXPECT_EQ(b.p.testi.Pannelli[0], "Rot.=0°");
    }
}

TEST(Selezione, VerticiCiclanoSenzaAzzerareITotali)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuTriangoliRett});
    b.p.totali.TotRotazione = 20;
    const std::string avanti[] = {"Vertice A", "Vertice B", "Vertice C", "Figura", "Vertice A"};
    for (const std::string& atteso : avanti) {
        VerticeSuccessivo(b.p);
        EXPECT_EQ(b.p.testi.CampoVertice, atteso);
    }
    VerticePrecedente(b.p);
    EXPECT_EQ(b.p.testi.CampoVertice, "Figura");
    VerticePrecedente(b.p);
    EXPECT_EQ(b.p.testi.CampoVertice, "Vertice C");
    EXPECT_EQ(b.p.totali.TotRotazione, 20.0f);

    // A circle's points are "Punto A" (centre) and "Punto B".
    Banco c;
    const float xs[] = {1, 4}, ys[] = {2, 2};
    AggiungiFigura(c.p.m, 2, xs, ys, true);
    VerticeSuccessivo(c.p);
    EXPECT_EQ(c.p.testi.CampoVertice, "Punto A");
    VerticeSuccessivo(c.p);
    EXPECT_EQ(c.p.testi.CampoVertice, "Punto B");
}

TEST(Selezione, ComandiSuDisegnoVuotoNonFannoNulla)
{
    Banco b;
    const Istantanea prima(b.p);
    for (auto comando : {FiguraSuccessiva, FiguraPrecedente, VerticeSuccessivo, VerticePrecedente})
        comando(b.p);
    for (int i = 0; i <= 7; ++i)
        ApplicaTavolozza(b.p, i);
    EXPECT_FALSE(EliminaFiguraAttiva(b.p));
    EXPECT_FALSE(ReplicaFiguraAttiva(b.p));
    EXPECT_EQ(Istantanea(b.p), prima);
    EXPECT_TRUE(b.dialoghi.messaggi.empty());
    EXPECT_TRUE(b.schermo.operazioni.empty());
}

TEST(Elimina, SecondaDiCinqueRendeAttivaLUltima)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuPunto, Voce::MnuFiguraMenuSegmento, Voce::MnuFiguraMenuTriangoliEqui,
                  Voce::MnuFiguraMenuQuadrilateriQuadrato, Voce::MnuFiguraMenuPentagoniRegolare});
    b.p.m.FiguraAttiva = 2;
    b.p.testi.CampoFigura = "Figura  2: segmento giallo";
    EXPECT_TRUE(EliminaFiguraAttiva(b.p));
    ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Sarà eliminata la figura selezionata. Figura  2: segmento giallo");
    EXPECT_EQ(b.dialoghi.messaggi[0].pulsanti, Pulsanti::OkAnnulla);
    EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Esclamazione);
    EXPECT_EQ(b.p.m.NumeroFigure, 4);
    EXPECT_EQ(b.p.m.FiguraAttiva, 4);
    EXPECT_EQ(b.p.testi.CampoFigura, "Figura  4: pentagono giallo");
    EXPECT_EQ(NumeroPunti(b.p.m, 2), 3);
}

TEST(Elimina, AnnullaNonCambiaNullaEDuranteUnaMacroNonChiede)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuPunto});
    b.dialoghi.risposte = {Risposta::Annulla};
    const Istantanea prima(b.p);
    EXPECT_FALSE(EliminaFiguraAttiva(b.p));
    EXPECT_EQ(Istantanea(b.p), prima);

    b.p.m.EsecuzioneMacro = true;
    b.dialoghi.messaggi.clear();
    EXPECT_TRUE(EliminaFiguraAttiva(b.p));
    EXPECT_TRUE(b.dialoghi.messaggi.empty());
}

TEST(Elimina, LUnicaFiguraSvuotaIlDisegno)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuTriangoliEqui});
    b.p.voci.Spunta(Voce::MnuVisualizzaDati, true);
    b.p.testi.DatiVisibili = true;
    EXPECT_TRUE(EliminaFiguraAttiva(b.p));
    EXPECT_EQ(b.p.m.NumeroFigure, 0);
    EXPECT_EQ(b.p.m.FiguraAttiva, 1);
    EXPECT_EQ(b.p.testi.CampoFigura, "Non ci sono figure");
    EXPECT_EQ(b.p.testi.CampoVertice, "");
    EXPECT_FALSE(b.p.testi.DatiVisibili);
    EXPECT_FALSE(b.p.voci.Spuntata(Voce::MnuVisualizzaDati));
    for (Voce v : {Voce::MnuVisualizzaDati, Voce::MnuModificaElimina, Voce::MnuFiguraReplica})
        EXPECT_FALSE(b.p.voci.Abilitata(v));
}

TEST(Replica, CopiaLaFiguraAttivaOppureRifiutaATabellaPiena)
{
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuPunto, Voce::MnuFiguraMenuSegmento, Voce::MnuFiguraMenuTriangoliEqui,
                  Voce::MnuFiguraMenuQuadrilateriQuadrato});
    b.p.m.FiguraAttiva = 3;
    b.p.m.VerticeAttivo = 2;
    EXPECT_TRUE(ReplicaFiguraAttiva(b.p));
    EXPECT_EQ(b.p.m.NumeroFigure, 5);
    EXPECT_EQ(b.p.m.FiguraAttiva, 5);
    EXPECT_EQ(b.p.m.VerticeAttivo, 0);
    for (int k = 0; k <= UltimoSlot; ++k) {
        EXPECT_EQ(b.p.m.Figure.X(5, k), b.p.m.Figure.X(3, k));
        EXPECT_EQ(b.p.m.Figure.Y(5, k), b.p.m.Figure.Y(3, k));
    }
    EXPECT_EQ(b.p.testi.CampoFigura, "Figura  5: triangolo giallo");

    while (b.p.m.NumeroFigure < MaxFigure)
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
    const Istantanea prima(b.p);
    b.dialoghi.messaggi.clear();
    EXPECT_FALSE(ReplicaFiguraAttiva(b.p));
    EXPECT_EQ(Istantanea(b.p), prima);
    ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Non è possibile inserire altre figure");
    EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
}

TEST(ApplicaTavolozza, ColoriETratteggio)
{
    struct Caso {
        int indice;
        float colore;
        std::string campo;
    };
    const Caso casi[] = {{0, 15, "Figura  1: triangolo bianco"}, {1, 12, "Figura  1: triangolo rosso"},
                         {2, 14, "Figura  1: triangolo giallo"}, {3, 10, "Figura  1: triangolo verde"},
                         {4, 11, "Figura  1: triangolo azzurro"}, {5, 13, "Figura  1: triangolo viola"},
                         {6, 7, "Figura  1: triangolo grigio"}};
    for (const Caso& c : casi) {
        Banco b;
        Inserisci(b, {Voce::MnuFiguraMenuTriangoliEqui});
        b.p.m.Modificato = false;
        b.p.m.VerticeAttivo = 2;
        ApplicaTavolozza(b.p, c.indice);
        EXPECT_EQ(b.p.m.Figure.X(1, SlotColore), c.colore);
        EXPECT_EQ(b.p.testi.CampoFigura, c.campo);
        EXPECT_EQ(b.p.m.VerticeAttivo, 2);  // the selected point stays selected
        EXPECT_TRUE(b.p.m.Modificato);
    }
    Banco b;
    Inserisci(b, {Voce::MnuFiguraMenuTriangoliEqui});
    ApplicaTavolozza(b.p, 7);
    EXPECT_EQ(b.p.m.Figure.Y(1, SlotColore), TrattoPunteggiato);
    ApplicaTavolozza(b.p, 7);
    EXPECT_EQ(b.p.m.Figure.Y(1, SlotColore), TrattoPieno);
}

TEST(Selezione, RigheDiMacro)
{
    const auto cartella = std::filesystem::temp_directory_path() / ("vellora_sel_" + std::to_string(::getpid()));
    std::filesystem::create_directories(cartella);
    Banco b;
    b.p.CartellaDati = cartella.string() + "/";
    std::filesystem::remove(cartella / "Macro.tmp");
    Inserisci(b, {Voce::MnuFiguraMenuTriangoliEqui, Voce::MnuFiguraMenuQuadrilateriQuadrato,
                  Voce::MnuFiguraMenuPunto});
    b.p.m.RegistraMacro = true;
    FiguraSuccessiva(b.p);   // figure 1
    VerticeSuccessivo(b.p);  // vertex 1 of figure 1
    VerticePrecedente(b.p);  // whole figure
    ApplicaTavolozza(b.p, 1);       // writes nothing
    ReplicaFiguraAttiva(b.p);
    EliminaFiguraAttiva(b.p);
    std::ifstream in(cartella / "Macro.tmp", std::ios::binary);
    const std::string testo((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(testo, "Figura attiva,  1\r\nVertice attivo,  1,  1\r\nFigura attiva,  1\r\nReplica\r\nElimina\r\n");
    std::filesystem::remove_all(cartella);
}

}  // namespace
