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

} // namespace
