#include "Finti.h"
#include "figures/Catalogo.h"
#include "figures/ComandiSelezione.h"

#include <gtest/gtest.h>

namespace vellora {
namespace {

// A colour leaves the selected point selected, and its field says so.
TEST(Tavolozza, IlCampoNominaIlPuntoAncoraSelezionato)
{
    const struct {
        bool cerchio;
        int indice;
        std::string campoFigura, campoVertice;
    } casi[] = {
        {false, 1, "Figura  1: triangolo rosso", "Vertice B"},
        {false, 7, "Figura  1: triangolo giallo", "Vertice B"}, // the dotted outline
        {true, 4, "Figura  1: circonf. in  azzurro", "Punto B"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.campoFigura);
        test::Banco b;
        const float xs[] = {0, 2, 0}, ys[] = {0, 0, 3};
        AggiungiFigura(b.p.d, c.cerchio ? 2 : 3, xs, ys, c.cerchio);
        VerticeSuccessivo(b.p);
        VerticeSuccessivo(b.p);
        ApplicaTavolozza(b.p, c.indice);
        EXPECT_EQ(b.p.d.VerticeAttivo, 2);
        EXPECT_EQ(b.p.testi.CampoFigura, c.campoFigura);
        EXPECT_EQ(b.p.testi.CampoVertice, c.campoVertice);
    }
}

} // namespace
} // namespace vellora
