#include "Finti.h"
#include "figures/Catalogo.h"
#include "plane/Schermo.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace vellora;

namespace {

using test::Operazione;

// A surface that can widen its lines, noting the stroke in force at every call.
class Registro : public test::SuperficieRegistrata {
public:
    std::vector<int> tratti; // one for each of operazioni
    int tratto = 1;
    void ImpostaTratto(int fattore) override { tratto = fattore; }
    int Tratto() const override { return tratto; }

    void Pulisci(ColoreRgb c) override
    {
        Nota([&] { SuperficieRegistrata::Pulisci(c); });
    }
    void Linea(double x1, double y1, double x2, double y2, ColoreRgb c, StileLinea s) override
    {
        Nota([&] { SuperficieRegistrata::Linea(x1, y1, x2, y2, c, s); });
    }
    void Punto(double x, double y, ColoreRgb c) override
    {
        Nota([&] { SuperficieRegistrata::Punto(x, y, c); });
    }
    void Cerchio(double x, double y, double r, ColoreRgb c, const ColoreRgb* pieno, StileLinea s) override
    {
        Nota([&] { SuperficieRegistrata::Cerchio(x, y, r, c, pieno, s); });
    }
    void Testo(double x, double y, const std::string& t, ColoreRgb c) override
    {
        Nota([&] { SuperficieRegistrata::Testo(x, y, t, c); });
    }

private:
    template <class F> void Nota(F chiamata)
    {
        chiamata();
        tratti.push_back(tratto);
    }
};

bool DellaGriglia(const Operazione& o)
{
    const bool righe = o.colore.r == 0 && o.colore.b == 170;
    const bool tacche = o.colore == ColoreRgb{192, 192, 192};
    return o.tipo == Operazione::Pulisci || o.tipo == Operazione::Punto ||
           (o.tipo == Operazione::Linea && (righe || tacche));
}

// The option widens the axes, the outlines and the markers, never the grid,
// moves the vertex letters away from their larger markers, and leaves the
// drawing as it was.
TEST(TrattoSpesso, AssiContorniEMarcatoriSiIngrossanoLaGrigliaNo)
{
    constexpr ColoreRgb Rosso{255, 0, 0};
    // {option on, stroke of the axes and outlines, marker radius, letter offset}
    const std::tuple<bool, int, double, double> casi[] = {{false, 1, 2.0, -10.0}, {true, 3, 6.0, -20.0}};
    for (const auto& [spesso, tratto, raggio, scarto] : casi) {
        test::Banco b;
        Registro s;
        b.p.ImpostaSchermo(&s, 800, 500);
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuTriangoliRett);
        b.p.sessione.Modificato = false;
        if (spesso)
            AlternaOpzioneVista(b.p, Voce::MnuVisualizzaTrattoSpesso);
        s.operazioni.clear();
        s.tratti.clear();
        Ridisegna(b.p);

        ASSERT_EQ(s.tratti.size(), s.operazioni.size());
        for (size_t i = 0; i < s.operazioni.size(); ++i)
            EXPECT_EQ(s.tratti[i], DellaGriglia(s.operazioni[i]) ? 1 : tratto) << i;
        // The selected triangle's vertices: hollow red markers, letters to their left.
        int vertici = 0;
        for (size_t i = 0; i < s.operazioni.size(); ++i) {
            const Operazione& o = s.operazioni[i];
            if (o.tipo != Operazione::Cerchio || !(o.colore == Rosso))
                continue;
            ++vertici;
            EXPECT_EQ(o.x2, raggio);
            ASSERT_LT(i + 1, s.operazioni.size());
            EXPECT_EQ(s.operazioni[i + 1].x1 - o.x1, scarto);
        }
        EXPECT_EQ(vertici, 6); // the selected figure is drawn again on top
        EXPECT_EQ(Opzioni(b.p).Tratto, tratto);
        EXPECT_FALSE(b.p.sessione.Modificato);
    }
}

} // namespace
