#include "model/NumeriTesto.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace vellora {
namespace {

struct CasoFormato {
    double valore;
    const char* formato;
    const char* atteso;
};

TEST(FormattaNumero, Tabella)
{
    const CasoFormato casi[] = {
        // Tick labels, "0.###".
        {0.5f, "0.###", "0,5"},
        {2.0f, "0.###", "2"},
        {370.0f, "0.###", "370"},
        {-0.0001f, "0.###", "0"},
        {0.0004f, "0.###", "0"},
        {0.0005f, "0.###", "0,001"},
        {-0.0005f, "0.###", "-0,001"},
        {2.0005f, "0.###", "2,001"},
        {1.9996f, "0.###", "2"},
        {-12.5f, "0.###", "-12,5"},
        {0.00001f, "0.###", "0"},
        {-0.0f, "0.###", "0"},
        {16000.0f, "0.###", "16000"},
        {1e6f, "0.###", "1000000"},
        {99.9999f, "0.###", "100"},
        {-0.9999f, "0.###", "-1"},
        // Data panel, "0.####".
        {3.605551f, "0.####", "3,6056"},
        {2.5f, "0.####", "2,5"},
        {3.0f, "0.####", "3"},
        {0.00001f, "0.####", "0"},
        {0.00005f, "0.####", "0,0001"},
        {-1.23455f, "0.####", "-1,2346"},
        // Status totals, "0.######".
        {1.5f, "0.######", "1,5"},
        {0.1f, "0.######", "0,1"},
        {1.0f / 3.0f, "0.######", "0,333333"},
        {2.0f / 3.0f, "0.######", "0,666667"},
        {-7.0000005f, "0.######", "-7,000001"},
        {360.0f, "0.######", "360"},
        {-0.0000004f, "0.######", "0"},
        // Scale fields, "0.########".
        {0.00001f, "0.########", "0,00001"},
        {0.123456789, "0.########", "0,12345679"},
        {1000.0f, "0.########", "1000"},
        {-0.000000004, "0.########", "0"},
        {0.000000005, "0.########", "0,00000001"},
        // Doubles not held by a float keep their own shortest decimal.
        {1.0005, "0.###", "1,001"},
        {0.1 + 0.2, "0.########", "0,3"},
        {1e20, "0.###", "100000000000000000000"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(FormattaNumero(c.valore, c.formato), c.atteso) << c.valore << " " << c.formato;
}

TEST(FormattaNumero, FormatoSconosciutoRifiutato)
{
    EXPECT_THROW(FormattaNumero(1.0, "#.##"), std::invalid_argument);
    EXPECT_THROW(FormattaNumero(1.0, "0.00"), std::invalid_argument);
    EXPECT_EQ(FormattaNumero(2.6, "0"), "3");
}

TEST(Arrotonda, MetaVersoLAlto)
{
    const struct {
        float v;
        int atteso;
    } casi[] = {
        {2.5f, 3},     {-2.5f, -2}, {33.83f, 34}, {-0.5f, 0},    {0.49999997f, 0}, {-0.50000006f, -1},
        {406.0f, 406}, {-1.2f, -1}, {-1.7f, -2},  {1e9f, 32767}, {-1e9f, -32768},
    };
    for (const auto& c : casi)
        EXPECT_EQ(Arrotonda(c.v), c.atteso) << c.v;
}

TEST(NumeroConSegno, PosizioneDelSegno)
{
    EXPECT_EQ(NumeroConSegno(3), " 3");
    EXPECT_EQ(NumeroConSegno(-3), "-3");
    EXPECT_EQ(NumeroConSegno(0), " 0");
    EXPECT_EQ(NumeroConSegno(128), " 128");
}

TEST(TestoConSegno, Tabella)
{
    const struct {
        float v;
        const char* atteso;
    } casi[] = {
        {10.0f, " 10"},
        {-30.0f, "-30"},
        {0.5f, " .5"},
        {-0.25f, "-.25"},
        {1.5f, " 1.5"},
        {0.0f, " 0"},
        {-0.0f, " 0"},
        {0.1f, " .1"},
        {2.732051f, " 2.732051"},
        {-0.2469797f, "-.2469797"},
        {1.0f / 3.0f, " .3333333"},
        {1234567.0f, " 1234567"},
        {0.0000001f, " .0000001"},
        {1e7f, " 1E+07"},
        {1e8f, " 1E+08"},
        {-12345678.0f, "-1.234568E+07"},
        {1.5e-7f, " 1.5E-07"},
        {1.5e-8f, " 1.5E-08"},
        {1.0f / 30.0f, " 3.333334E-02"},
        {0.03125f, " .03125"},
        {1.0000001f, " 1"},
        {9999999.0f, " 9999999"},
        {3.4028235e38f, " 3.402823E+38"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(TestoConSegno(c.v), c.atteso) << c.v;
}

} // namespace
} // namespace vellora
