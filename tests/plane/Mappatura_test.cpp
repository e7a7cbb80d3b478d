#include "plane/Mappatura.h"

#include <gtest/gtest.h>

namespace vellora {
namespace {

TEST(Mappatura, ValoriDerivatiDallaFinestra)
{
    const struct {
        int w, h, range, traslX, traslY;
        float semiAmpiezza;
        int passo, origineX, origineY;
    } casi[] = {
        {800, 500, 12, 0, 0, 406, 34, 400, 250},
        {800, 500, 12, 2, -3, 406, 34, 468, 148},
        {600, 800, 30, 0, 0, 415, 14, 300, 400},   // the longer half-extent decides
        {801, 501, 12, 0, 0, 407, 34, 401, 251},   // odd sizes round their halves up
        {1920, 1080, 30, 0, 0, 975, 33, 960, 540}, // 975 / 30 = 32.5 goes up
        {800, 600, 1, 0, 0, 401, 401, 400, 300},
        {800, 500, 0, 0, 0, 401, 401, 400, 250}, // a damaged range counts as 1..30
        {800, 500, 1000, 0, 0, 415, 14, 400, 250},
        {800, 500, 12, 1000, -1000, 406, 34, 32767, -32768}, // stops at the 16-bit bounds
    };
    for (const auto& c : casi) {
        Modello m;
        m.Range = static_cast<int16_t>(c.range);
        m.TraslPianoX = static_cast<int16_t>(c.traslX);
        m.TraslPianoY = static_cast<int16_t>(c.traslY);
        CalcolaMappatura(m, c.w, c.h);
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " range " << c.range);
        EXPECT_EQ(m.SemiAmpiezza, c.semiAmpiezza);
        EXPECT_EQ(m.PassoPixel, c.passo);
        EXPECT_EQ(m.OrigineX, c.origineX);
        EXPECT_EQ(m.OrigineY, c.origineY);
    }
}

TEST(Mappatura, DaPianoAPixelEIndietro)
{
    const struct {
        float scalaX, scalaY;
        int traslX;
        float x, y;
        double px, py;
    } casi[] = {
        {1, 1, 0, 1, 1, 434, 216},
        {0.5f, 2, 0, 1, 1, 468, 233},
        {1, 1, 3, -2.5f, 0.25f, 417, 241.5},
        {3, 3, 0, 1, -1, 400 + 34.0 / 3.0, 250 + 34.0 / 3.0},
    };
    for (const auto& c : casi) {
        Modello m;
        m.ScalaX = c.scalaX;
        m.ScalaY = c.scalaY;
        m.TraslPianoX = static_cast<int16_t>(c.traslX);
        CalcolaMappatura(m, 800, 500);
        const PuntoPixel p = PianoInPixel(m, c.x, c.y);
        EXPECT_DOUBLE_EQ(p.x, c.px);
        EXPECT_DOUBLE_EQ(p.y, c.py);
        const PuntoPiano q = PixelInPiano(m, p.x, p.y);
        EXPECT_NEAR(q.x, c.x, 1e-6);
        EXPECT_NEAR(q.y, c.y, 1e-6);
    }
}

} // namespace
} // namespace vellora
