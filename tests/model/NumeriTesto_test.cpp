#include "model/NumeriTesto.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace vellora;

namespace {

TEST(FormattaNumero, Tabella)
{
    const struct {
        double valore;
        const char* formato;
        const char* atteso;
    } casi[] = {
        // Rounded half up on the shortest decimal of the float, not its binary value.
        {0.5f, "0.###", "0,5"},
        {-0.0001f, "0.###", "0"}, // what rounds to nothing has no sign
        {-0.0005f, "0.###", "-0,001"},
        {2.0005f, "0.###", "2,001"},
        {99.9999f, "0.###", "100"},
        {-0.9999f, "0.###", "-1"},
        {3.605551f, "0.####", "3,6056"},
        {-1.23455f, "0.####", "-1,2346"},
        {0.1f, "0.######", "0,1"},
        {2.0f / 3.0f, "0.######", "0,666667"},
        {0.123456789, "0.########", "0,12345679"},
        {0.000000005, "0.########", "0,00000001"},
        // Doubles not held by a float keep their own shortest decimal.
        {1.0005, "0.###", "1,001"},
        {0.1 + 0.2, "0.########", "0,3"},
        {1e20, "0.###", "100000000000000000000"},
        {2.6, "0", "3"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(FormattaNumero(c.valore, c.formato), c.atteso) << c.valore << " " << c.formato;
    EXPECT_THROW(FormattaNumero(1.0, "#.##"), std::invalid_argument);
    EXPECT_THROW(FormattaNumero(1.0, "0.00"), std::invalid_argument);
}

TEST(Arrotonda, MetaVersoLAlto)
{
    const std::pair<float, int> casi[] = {{2.5f, 3},   {-2.5f, -2},   {0.49999997f, 0}, {-0.50000006f, -1},
                                          {-1.7f, -2}, {1e9f, 32767}, {-1e9f, -32768}};
    for (const auto& [v, atteso] : casi)
        EXPECT_EQ(Arrotonda(v), atteso) << v;
}

TEST(TestoConSegno, Tabella)
{
    const std::pair<float, const char*> casi[] = {
        {-0.25f, "-.25"},
        {-0.0f, " 0"},
        {2.732051f, " 2.732051"},
        {1.0f / 3.0f, " .3333333"},
        {0.0000001f, " .0000001"},
        {0.03125f, " .03125"},
        {1.0f / 30.0f, " 3.333334E-02"},
        {9999999.0f, " 9999999"},
        {1e7f, " 1E+07"},
        {-12345678.0f, "-1.234568E+07"},
        {1.5e-8f, " 1.5E-08"},
        {3.4028235e38f, " 3.402823E+38"},
    };
    for (const auto& [v, atteso] : casi)
        EXPECT_EQ(TestoConSegno(v), atteso) << v;
    EXPECT_EQ(NumeroConSegno(3) + NumeroConSegno(-3), " 3-3");
}

} // namespace
