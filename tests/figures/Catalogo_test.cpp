#include "Finti.h"
#include "figures/Catalogo.h"

#include <complex>
#include <gtest/gtest.h>
#include <numbers>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

using namespace vellora;

namespace {

using std::numbers::pi;
using test::Banco;

// Float vertices, each coordinate within 1e-6 of its exact value.
constexpr double TolleranzaLato = 5e-6;
constexpr double TolleranzaAngolo = 1e-5;

// Side k goes from vertex k to the next (side 0 is AB).
struct Poligono {
    std::vector<std::complex<double>> v;
    int n() const { return static_cast<int>(v.size()); }
    std::complex<double> Lato(int k) const { return v[(k + 1) % n()] - v[k]; }
    // The angle at vertex k between its two sides, in degrees.
    double Angolo(int k) const { return std::abs(std::arg(-Lato(k) / Lato((k + n() - 1) % n()))) * 180 / pi; }
    // The angle between the lines of sides i and j, in degrees: 0 when parallel.
    double AngoloTraRette(int i, int j) const { return std::asin(std::sin(std::arg(Lato(j) / Lato(i)))) * 180 / pi; }
};

// On a zoomed, shifted plane (the view must not matter): selected whole, modified, totals at rest, items on, shown.
Poligono Inserisci(Banco& b, Voce voce)
{
    b.p.d.ScalaX = b.p.d.ScalaY = 0.25f;
    b.p.d.TraslPianoX = 5;
    b.p.totali.TotRotazione = 30.0f;
    b.p.AbilitaVociFigure(false);
    EXPECT_TRUE(InserisciFiguraPredefinita(b.p, voce));
    const Programma& p = b.p;
    EXPECT_EQ(std::tuple(p.d.NumeroFigure, p.d.FiguraAttiva, p.d.VerticeAttivo, p.sessione.Modificato, p.totali),
              std::tuple(1, 1, 0, true, Totali{}));
    EXPECT_EQ(p.testi.CampoVertice, NumeroPunti(p.d, 1) == 1 ? "" : "Figura");
    for (const Voce v : {Voce::MnuVisualizzaDati, Voce::MnuModificaElimina, Voce::MnuFiguraReplica})
        EXPECT_TRUE(p.voci.Abilitata(v)) << NomeVoce(v);
    EXPECT_TRUE(b.vista.aggiornamenti > 0 && !b.schermo.operazioni.empty() && b.dialoghi.messaggi.empty());
    Poligono f;
    for (int k = 1; k <= NumeroPunti(p.d, 1); ++k)
        f.v.emplace_back(p.d.Figure.X(1, k), p.d.Figure.Y(1, k));
    return f;
}

// The geometry of each figure's name; a regular one has equal sides and vertices equidistant from the centre.
TEST(Catalogo, OgniFiguraHaLaGeometriaDelSuoNome)
{
    const struct {
        Voce voce;
        int n;
        std::vector<std::pair<int, double>> angoli; // vertex, degrees
        std::vector<std::vector<int>> latiUguali;
        std::vector<std::pair<int, int>> latiParalleli;
        bool regolare = false;
    } casi[] = {
        {Voce::MnuFiguraMenuPunto, 1, {}, {}, {}},
        {Voce::MnuFiguraMenuSegmento, 2, {}, {}, {}},
        {Voce::MnuFiguraMenuTriangoliRett, 3, {{0, 90}}, {}, {}},
        {Voce::MnuFiguraMenuTriangoliRett1, 3, {{0, 90}, {1, 30}, {2, 60}}, {}, {}},
        {Voce::MnuFiguraMenuTriangoliIsoscele, 3, {{0, 50}, {1, 80}, {2, 50}}, {{0, 1}}, {}},
        {Voce::MnuFiguraMenuTriangoliEqui, 3, {}, {}, {}, true},
        {Voce::MnuFiguraMenuQuadrilateriQuadrato, 4, {{0, 90}, {1, 90}, {2, 90}}, {{0, 1, 2, 3}}, {}},
        {Voce::MnuFiguraMenuQuadrilateriRettangolo, 4, {{0, 90}, {1, 90}, {2, 90}}, {}, {}},
        {Voce::MnuFiguraMenuQuadrilateriRombo, 4, {}, {{0, 1, 2, 3}}, {}},
        {Voce::MnuFiguraMenuQuadrilateriParallelogramma, 4, {}, {}, {{0, 2}, {1, 3}}},
        {Voce::MnuFiguraMenuQuadrilateriTrapezio, 4, {}, {{0, 2}}, {{1, 3}}},
        {Voce::MnuFiguraMenuPentagoniRegolare, 5, {}, {}, {}, true},
        {Voce::MnuFiguraMenuEsagoniRegolare, 6, {}, {}, {}, true},
        {Voce::MnuFiguraMenuEttagoniRegolare, 7, {}, {}, {}, true},
        {Voce::MnuFiguraMenuOttagoniRegolare, 8, {}, {}, {}, true},
        {Voce::MnuFiguraMenuEnnagoniRegolare, 9, {}, {}, {}, true},
        {Voce::MnuFiguraMenuDecagoniRegolare, 10, {}, {}, {}, true},
        {Voce::MnuFiguraMenuUndecagoniRegolare, 11, {}, {}, {}, true},
        {Voce::MnuFiguraMenuDodecagoniRegolare, 12, {}, {}, {}, true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(NomeVoce(c.voce));
        Banco b;
        const Poligono f = Inserisci(b, c.voce);
        ASSERT_EQ(f.n(), c.n);
        EXPECT_EQ(f.v[0], std::complex<double>(1, 1)) << "every figure starts at (1, 1)";
        for (const auto& [k, gradi] : c.angoli)
            EXPECT_NEAR(f.Angolo(k), gradi, TolleranzaAngolo) << "angolo " << k;
        for (const auto& uguali : c.latiUguali)
            for (int k : uguali)
                EXPECT_NEAR(std::abs(f.Lato(k)), std::abs(f.Lato(uguali[0])), TolleranzaLato) << "lato " << k;
        for (const auto& [i, j] : c.latiParalleli)
            EXPECT_NEAR(f.AngoloTraRette(i, j), 0, TolleranzaAngolo) << "lati " << i << ", " << j;
        const std::complex<double> centro =
            std::accumulate(f.v.begin(), f.v.end(), std::complex<double>()) / double(c.n);
        for (int k = 0; k < c.n && c.regolare; ++k) {
            EXPECT_NEAR(std::abs(f.Lato(k)), std::abs(f.Lato(0)), TolleranzaLato) << "lato " << k;
            EXPECT_NEAR(std::abs(f.v[k] - centro), std::abs(f.v[0] - centro), TolleranzaLato) << "vertice " << k;
        }
    }
    // A trapezium, not a parallelogram: the bases differ.
    Banco b;
    const Poligono trapezio = Inserisci(b, Voce::MnuFiguraMenuQuadrilateriTrapezio);
    EXPECT_GT(std::abs(trapezio.Lato(3)) - std::abs(trapezio.Lato(1)), 1);
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
    b.p.d.ScalaY = 2.0f;
    const Disegno prima = b.p.d;
    EXPECT_FALSE(ControllaMonometrico(b.p));
    EXPECT_EQ(b.p.d, prima);
    b.p.d.ScalaX = 2.0f;
    EXPECT_TRUE(ControllaMonometrico(b.p));
    ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
    const auto& m = b.dialoghi.messaggi[0];
    EXPECT_EQ(std::tuple(m.testo, m.icona, m.pulsanti),
              std::tuple("Non è possibile inserire circonferenze se il sistema non è monometrico "
                         "(stessa scala sui due assi)",
                         Icona::Stop, Pulsanti::Ok));
}

} // namespace
