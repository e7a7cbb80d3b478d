#include "files/StileCommento.h"

#include <gtest/gtest.h>

using namespace vellora;

namespace {

TEST(StileCommento, PassiDellaDimensione)
{
    // {size, up, after}: no size steps from 10; a step never goes past 8 or
    // 35, nor further out from a size beyond them.
    const std::tuple<std::optional<int>, bool, int> casi[] = {
        // clang-format off
        {std::nullopt, true, 10}, {std::nullopt, false, 10}, {34, true, 35}, {35, true, 35}, {9, false, 8},
        {8, false, 8}, {40, true, 40}, {40, false, 39}, {5, false, 5}, {5, true, 6},
        // clang-format on
    };
    for (const auto& [dimensione, piu, dopo] : casi)
        EXPECT_EQ(PassoDimensione(dimensione, piu), dopo) << dimensione.value_or(0) << (piu ? " +" : " -");
}

} // namespace
