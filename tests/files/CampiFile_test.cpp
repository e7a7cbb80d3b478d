#include "files/CampiFile.h"

#include <cstdint>
#include <gtest/gtest.h>

using namespace vellora;

namespace {

TEST(CampiFile, UnValoreIlleggibileTieneIlPrecedenteEPassaAlSuccessivo)
{
    // 7 = the old value stays. Whole types take the nearest whole number.
    const std::tuple<const char*, float, int, int> casi[] = {
        {" 0.5 ", 0.5f, 0, 0}, {"5E-1", 0.5f, 0, 0}, {"+2", 2, 2, 2},        {"255", 255, 255, 255},
        {"256", 256, 7, 256},  {"-1", -1, 7, -1},    {"40000", 40000, 7, 7}, {"1E+39", 7, 7, 7},
        {"1E-46", 0, 0, 0},    {"", 7, 7, 7},        {"3abc", 7, 7, 7},      {"0x10", 7, 7, 7},
    };
    for (const auto& [campo, singola, byte, intero] : casi) {
        const std::string testo = std::string(campo) + ",9," + campo + "\n" + campo;
        CampiFile campi(testo);
        float v = 7, dopo = 0;
        uint8_t b = 7;
        int16_t i = 7;
        campi.Leggi(v);
        campi.Leggi(dopo);
        campi.Leggi(b);
        campi.Leggi(i);
        EXPECT_EQ(v, singola) << campo;
        EXPECT_EQ(dopo, 9.0f) << campo;
        EXPECT_EQ(b, byte) << campo;
        EXPECT_EQ(i, intero) << campo;
    }
}

} // namespace
