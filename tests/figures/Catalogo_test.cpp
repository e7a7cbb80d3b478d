#include "Finti.h"
#include "figures/Catalogo.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace vellora {
namespace {

using test::Banco;

TEST(Catalogo, OgniVoceCreaLaSuaFiguraESelezionaTutto)
{
    const std::string nomi[] = {"punto",    "segmento", "triangolo", "quadrilatero", "pentagono",  "esagono",
                                "ettagono", "ottagono", "ennagono",  "decagono",     "undecagono", "dodecagono"};
    ASSERT_EQ(CatalogoFigure().size(), 19u);
    for (const auto& f : CatalogoFigure()) {
        SCOPED_TRACE(std::string(NomeVoce(f.voce)));
        Banco b;
        b.p.d.ScalaX = b.p.d.ScalaY = 0.25f; // the stored vertices do not depend on the plane
        b.p.d.TraslPianoX = 5;
        b.p.totali.TotRotazione = 30.0f;
        b.p.AbilitaVociFigure(false);
        ASSERT_TRUE(InserisciFiguraPredefinita(b.p, f.voce));

        const Disegno& m = b.p.d;
        ASSERT_EQ(m.NumeroFigure, 1);
        EXPECT_EQ(m.Figure.X(1, 0), static_cast<float>(f.n));
        for (int k = 1; k <= f.n; ++k)
            EXPECT_TRUE(m.Figure.X(1, k) == f.x[k - 1] && m.Figure.Y(1, k) == f.y[k - 1]) << "vertice " << k;
        EXPECT_EQ(m.Figure.X(1, 22), 14.0f);
        EXPECT_EQ(m.FiguraAttiva, 1);
        EXPECT_EQ(m.VerticeAttivo, 0);
        EXPECT_TRUE(b.p.sessione.Modificato);
        EXPECT_EQ(b.p.testi.CampoFigura, "Figura  1: " + nomi[f.n - 1] + (f.n == 1 ? "" : " giallo"));
        EXPECT_EQ(b.p.testi.CampoVertice, f.n == 1 ? "" : "Figura");
        EXPECT_EQ(b.p.totali, Totali{});
        for (const Voce v : {Voce::MnuVisualizzaDati, Voce::MnuModificaElimina, Voce::MnuFiguraReplica})
            EXPECT_TRUE(b.p.voci.Abilitata(v)) << NomeVoce(v);
        EXPECT_GE(b.vista.aggiornamenti, 1);
        EXPECT_FALSE(b.schermo.operazioni.empty());
        EXPECT_TRUE(b.dialoghi.messaggi.empty());

        // Every ready-made figure starts at (1, 1); from five sides on the polygons are regular: every side and every
        // short diagonal the same.
        EXPECT_TRUE(f.x[0] == 1.0f && f.y[0] == 1.0f);
        const auto d = [&](int i, int j) { return std::hypot(f.x[i] - f.x[j], f.y[i] - f.y[j]); };
        for (int k = 1; k < f.n && f.n >= 5; ++k) {
            EXPECT_NEAR(d(k, (k + 1) % f.n), d(0, 1), 1e-4) << "lato " << k;
            EXPECT_NEAR(d(k, (k + 2) % f.n), d(0, 2), 1e-4) << "diagonale " << k;
        }
    }
}

TEST(Catalogo, ConCentoventottoFigureNonCambiaNullaENonMostraNulla)
{
    Banco b;
    EXPECT_FALSE(InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuTriangoli)); // a submenu adds nothing
    for (int i = 0; i < 127; ++i)
        ASSERT_TRUE(InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto));
    ASSERT_TRUE(InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuQuadrilateriQuadrato));
    ASSERT_EQ(b.p.d.NumeroFigure, 128);
    EXPECT_EQ(b.p.testi.CampoFigura, "Figura  128: quadrilatero giallo");

    b.p.d.FiguraAttiva = 3;
    b.p.sessione.Modificato = false;
    b.p.totali.TotTraslX = 2.0f;
    const auto stato = [&] {
        return std::tuple(b.p.d, b.p.testi, b.p.voci, b.p.totali, b.vista.aggiornamenti, b.schermo.operazioni.size());
    };
    const auto prima = stato();
    EXPECT_TRUE(InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuDodecagoniRegolare));
    EXPECT_TRUE(stato() == prima);
    EXPECT_TRUE(b.dialoghi.messaggi.empty());
}

TEST(Catalogo, CirconferenzeSoloConSistemaMonometrico)
{
    Banco b;
    b.p.d.ScalaX = 1.0f;
    b.p.d.ScalaY = 2.0f;
    const Disegno prima = b.p.d;
    EXPECT_FALSE(ControllaMonometrico(b.p));
    ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Non è possibile inserire circonferenze se il sistema non è monometrico "
                                            "(stessa scala sui due assi)");
    EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
    EXPECT_EQ(b.dialoghi.messaggi[0].pulsanti, Pulsanti::Ok);
    EXPECT_EQ(b.p.d, prima);

    b.p.d.ScalaX = 2.0f;
    EXPECT_TRUE(ControllaMonometrico(b.p));
    EXPECT_EQ(b.dialoghi.messaggi.size(), 1u);
}

} // namespace
} // namespace vellora
