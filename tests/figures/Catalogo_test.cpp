#include "Finti.h"
#include "figures/Catalogo.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace vellora {
namespace {

using test::Banco;
using P = std::pair<float, float>;

struct Attesa {
    Voce voce;
    std::string campoFigura;
    std::vector<P> vertici;
};

// The vertices as the catalogue of the Insert menu lists them.
const std::vector<Attesa>& Attese()
{
    static const std::vector<Attesa> a = {
        {Voce::MnuFiguraMenuPunto, "Figura  1: punto", {{1, 1}}},
        {Voce::MnuFiguraMenuSegmento, "Figura  1: segmento giallo", {{1, 1}, {1, 4}}},
        {Voce::MnuFiguraMenuTriangoliRett, "Figura  1: triangolo giallo", {{1, 1}, {1, 4}, {3, 1}}},
        {Voce::MnuFiguraMenuTriangoliRett1, "Figura  1: triangolo giallo", {{1, 1}, {4, 1}, {1, 2.732051f}}},
        {Voce::MnuFiguraMenuTriangoliIsoscele, "Figura  1: triangolo giallo", {{1, 1}, {3, 3.383507f}, {5, 1}}},
        {Voce::MnuFiguraMenuTriangoliEqui, "Figura  1: triangolo giallo", {{1, 1}, {3, 4.464102f}, {5, 1}}},
        {Voce::MnuFiguraMenuQuadrilateriQuadrato, "Figura  1: quadrilatero giallo", {{1, 1}, {1, 4}, {4, 4}, {4, 1}}},
        {Voce::MnuFiguraMenuQuadrilateriRettangolo, "Figura  1: quadrilatero giallo", {{1, 1}, {1, 3}, {4, 3}, {4, 1}}},
        {Voce::MnuFiguraMenuQuadrilateriRombo,
         "Figura  1: quadrilatero giallo",
         {{1, 1}, {2.5f, 3.598076f}, {5.5f, 3.598076f}, {4, 1}}},
        {Voce::MnuFiguraMenuQuadrilateriParallelogramma,
         "Figura  1: quadrilatero giallo",
         {{1, 1}, {3.12132f, 3.12132f}, {7.12132f, 3.12132f}, {5, 1}}},
        {Voce::MnuFiguraMenuQuadrilateriTrapezio,
         "Figura  1: quadrilatero giallo",
         {{1, 1}, {2.5f, 3.598076f}, {5, 3.598076f}, {6.5f, 1}}},
        {Voce::MnuFiguraMenuPentagoniRegolare,
         "Figura  1: pentagono giallo",
         {{1, 1}, {5, 1}, {6.236067f, 4.804225f}, {3, 7.155365f}, {-0.236067f, 4.804225f}}},
        {Voce::MnuFiguraMenuEsagoniRegolare,
         "Figura  1: esagono giallo",
         {{1, 1}, {4, 1}, {5.5f, 3.598077f}, {4, 6.196154f}, {1, 6.196154f}, {-0.5f, 3.598077f}}},
        {Voce::MnuFiguraMenuEttagoniRegolare,
         "Figura  1: ettagono giallo",
         {{1, 1},
          {3, 1},
          {4.24698f, 2.563663f},
          {3.801938f, 4.513518f},
          {2, 5.381286f},
          {0.1980623f, 4.513518f},
          {-0.2469797f, 2.563663f}}},
        {Voce::MnuFiguraMenuOttagoniRegolare,
         "Figura  1: ottagono giallo",
         {{1, 1},
          {3, 1},
          {4.414213f, 2.414213f},
          {4.414213f, 4.414213f},
          {3, 5.828426f},
          {1, 5.828426f},
          {-0.414213f, 4.414213f},
          {-0.414213f, 2.414213f}}},
        {Voce::MnuFiguraMenuEnnagoniRegolare,
         "Figura  1: ennagono giallo",
         {{1, 1},
          {3, 1},
          {4.532089f, 2.285575f},
          {4.879385f, 4.25519f},
          {3.879385f, 5.987241f},
          {2, 6.671281f},
          {0.1206155f, 5.987241f},
          {-0.8793847f, 4.25519f},
          {-0.5320882f, 2.285575f}}},
        {Voce::MnuFiguraMenuDecagoniRegolare,
         "Figura  1: decagono giallo",
         {{1, 1},
          {3, 1},
          {4.618034f, 2.17557f},
          {5.236068f, 4.077683f},
          {4.618034f, 5.979796f},
          {3, 7.155367f},
          {1, 7.155367f},
          {-0.6180339f, 5.979796f},
          {-1.236068f, 4.077683f},
          {-0.6180339f, 2.17557f}}},
        {Voce::MnuFiguraMenuUndecagoniRegolare,
         "Figura  1: undecagono giallo",
         {{1, 1},
          {3, 1},
          {4.682507f, 2.081282f},
          {5.513337f, 3.900545f},
          {5.228707f, 5.880187f},
          {3.918986f, 7.391687f},
          {2, 7.955152f},
          {0.08101442f, 7.391687f},
          {-1.228707f, 5.880187f},
          {-1.513337f, 3.900545f},
          {-0.682508f, 2.081282f}}},
        {Voce::MnuFiguraMenuDodecagoniRegolare,
         "Figura  1: dodecagono giallo",
         {{1, 1},
          {3, 1},
          {4.732051f, 2},
          {5.732051f, 3.732051f},
          {5.732051f, 5.732051f},
          {4.732051f, 7.464102f},
          {3, 8.464102f},
          {1, 8.464102f},
          {-0.7320509f, 7.464102f},
          {-1.732051f, 5.732051f},
          {-1.732051f, 3.732051f},
          {-0.7320509f, 2}}},
    };
    return a;
}

TEST(Catalogo, DiciannoveFigureNellOrdineDelMenu)
{
    const auto catalogo = CatalogoFigure();
    ASSERT_EQ(catalogo.size(), Attese().size());
    for (size_t i = 0; i < catalogo.size(); ++i)
        EXPECT_EQ(catalogo[i].voce, Attese()[i].voce) << i;
}

TEST(Catalogo, OgniVoceCreaLaSuaFiguraESelezionaTutto)
{
    for (const auto& a : Attese()) {
        SCOPED_TRACE(std::string(NomeVoce(a.voce)));
        Banco b;
        b.p.totali.TotRotazione = 30.0f;
        b.p.AbilitaVociFigure(false);
        ASSERT_TRUE(InserisciFiguraPredefinita(b.p, a.voce));

        const Modello& m = b.p.m;
        const int n = static_cast<int>(a.vertici.size());
        ASSERT_EQ(m.NumeroFigure, 1);
        EXPECT_EQ(m.Figure.X(1, 0), static_cast<float>(n));
        EXPECT_EQ(m.Figure.Y(1, 0), 0.0f);
        for (int k = 1; k <= n; ++k) {
            EXPECT_EQ(m.Figure.X(1, k), a.vertici[k - 1].first) << "vertice " << k;
            EXPECT_EQ(m.Figure.Y(1, k), a.vertici[k - 1].second) << "vertice " << k;
        }
        EXPECT_EQ(m.Figure.X(1, 22), 14.0f);
        EXPECT_EQ(m.Figure.Y(1, 22), 0.0f);
        EXPECT_EQ(m.FiguraAttiva, 1);
        EXPECT_EQ(m.VerticeAttivo, 0);
        EXPECT_TRUE(m.Modificato);

        EXPECT_EQ(b.p.testi.CampoFigura, a.campoFigura);
        EXPECT_EQ(b.p.testi.CampoVertice, n == 1 ? "" : "Figura");
        EXPECT_EQ(b.p.totali, Totali{});
        EXPECT_TRUE(b.p.voci.Abilitata(Voce::MnuVisualizzaDati));
        EXPECT_TRUE(b.p.voci.Abilitata(Voce::MnuModificaElimina));
        EXPECT_TRUE(b.p.voci.Abilitata(Voce::MnuFiguraReplica));
        EXPECT_GE(b.vista.aggiornamenti, 1);
        EXPECT_FALSE(b.schermo.operazioni.empty());
        EXPECT_TRUE(b.dialoghi.messaggi.empty());
    }
}

TEST(Catalogo, LaFiguraNonDipendeDalPiano)
{
    Banco b;
    b.p.m.Range = 3;
    b.p.m.ScalaX = 0.25f;
    b.p.m.ScalaY = 0.25f;
    b.p.m.TraslPianoX = 5;
    b.p.m.TraslPianoY = -4;
    ASSERT_TRUE(InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuTriangoliEqui));
    EXPECT_EQ(b.p.m.Figure.X(1, 2), 3.0f);
    EXPECT_EQ(b.p.m.Figure.Y(1, 2), 4.464102f);
}

TEST(Catalogo, LeVociNonFiguraNonCreanoNulla)
{
    Banco b;
    EXPECT_FALSE(InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuTriangoli));
    EXPECT_FALSE(InserisciFiguraPredefinita(b.p, Voce::MnuFiguraCerchio));
    EXPECT_EQ(b.p.m.NumeroFigure, 0);
}

TEST(Catalogo, ConCentoventottoFigureNonCambiaNullaENonMostraNulla)
{
    Banco b;
    for (int i = 0; i < 127; ++i)
        ASSERT_TRUE(InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto));
    ASSERT_TRUE(InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuQuadrilateriQuadrato));
    ASSERT_EQ(b.p.m.NumeroFigure, 128);
    EXPECT_EQ(b.p.testi.CampoFigura, "Figura  128: quadrilatero giallo");

    b.p.m.FiguraAttiva = 3;
    b.p.m.Modificato = false;
    b.p.totali.TotTraslX = 2.0f;
    const Modello modello = b.p.m;
    const TestiVista testi = b.p.testi;
    const StatoVoci voci = b.p.voci;
    const Totali totali = b.p.totali;
    const int aggiornamenti = b.vista.aggiornamenti;
    const size_t operazioni = b.schermo.operazioni.size();

    EXPECT_TRUE(InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuDodecagoniRegolare));
    EXPECT_EQ(b.p.m, modello);
    EXPECT_EQ(b.p.testi, testi);
    EXPECT_EQ(b.p.voci, voci);
    EXPECT_EQ(b.p.totali, totali);
    EXPECT_EQ(b.vista.aggiornamenti, aggiornamenti);
    EXPECT_EQ(b.schermo.operazioni.size(), operazioni);
    EXPECT_TRUE(b.dialoghi.messaggi.empty());
}

TEST(Catalogo, CirconferenzeSoloConSistemaMonometrico)
{
    Banco b;
    b.p.m.ScalaX = 1.0f;
    b.p.m.ScalaY = 2.0f;
    const Modello prima = b.p.m;
    EXPECT_FALSE(ControllaMonometrico(b.p));
    ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Non è possibile inserire circonferenze se il sistema non è monometrico "
                                            "(stessa scala sui due assi)");
    EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
    EXPECT_EQ(b.dialoghi.messaggi[0].pulsanti, Pulsanti::Ok);
    EXPECT_EQ(b.p.m, prima);

    b.p.m.ScalaX = 2.0f;
    EXPECT_TRUE(ControllaMonometrico(b.p));
    b.p.m.ScalaX = 0.00001f;
    b.p.m.ScalaY = 0.00001f;
    EXPECT_TRUE(ControllaMonometrico(b.p));
    EXPECT_EQ(b.dialoghi.messaggi.size(), 1u);
}

} // namespace
} // namespace vellora
