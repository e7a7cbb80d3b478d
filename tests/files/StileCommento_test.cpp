#include "files/StileCommento.h"

#include <gtest/gtest.h>

using namespace vellora;

namespace {

TEST(StileCommento, PassiDellaDimensione)
{
    const std::tuple<std::optional<int>, bool, int> casi[] = {
        // {size, up, after}
        {std::nullopt, true, 10},
        {std::nullopt, false, 10},
        {12, true, 13},
        {12, false, 11},
        {35, true, 35},
        {34, true, 35},
        {8, false, 8},
        {9, false, 8},
        {40, true, 40},
        {40, false, 39},
        {5, false, 5},
        {5, true, 6},
    };
    for (const auto& [dimensione, piu, dopo] : casi)
        EXPECT_EQ(PassoDimensione(dimensione, piu), dopo) << dimensione.value_or(0) << (piu ? " +" : " -");
}

TEST(StileCommento, LaSelezioneMostraCiòCheHaInComune)
{
    const StileTesto rossoGrande{true, false, true, {255, 0, 0}, 20};
    StileTesto rossoPiccolo = rossoGrande;
    rossoPiccolo.dimensione = 9;
    rossoPiccolo.grassetto = false;
    StileTesto blu = rossoGrande;
    blu.colore = {0, 0, 128};

    const StatoSelezione uno = Riassumi({rossoGrande});
    EXPECT_EQ(uno, (StatoSelezione{20, true, false, true, ColoreRgb{255, 0, 0}}));
    EXPECT_EQ(IndiceColore(uno.colore), 1);
    EXPECT_EQ(Riassumi({rossoGrande, rossoPiccolo}),
              (StatoSelezione{std::nullopt, false, false, true, ColoreRgb{255, 0, 0}}));
    const StatoSelezione misto = Riassumi({rossoGrande, blu});
    EXPECT_EQ(misto, (StatoSelezione{20, true, false, true, std::nullopt}));
    EXPECT_EQ(IndiceColore(misto.colore), -1);
    EXPECT_EQ(IndiceColore(ColoreRgb{0, 128, 0}), 2);
    EXPECT_EQ(IndiceColore(ColoreRgb{0, 0, 255}), -1);
}

} // namespace
