#include "shell/qt/PulsanteLaterale.h"

#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace vellora {
namespace {

struct Rilascio {
    Qt::MouseButton pulsante;
    Qt::KeyboardModifiers tasti;
};

struct Banco {
    PulsanteLaterale pulsante{Voce::simm1};
    std::vector<Rilascio> rilasci;
    Banco()
    {
        pulsante.resize(24, 24);
        QObject::connect(&pulsante, &PulsanteLaterale::Rilasciato, [this](Qt::MouseButton b, Qt::KeyboardModifiers t) {
            rilasci.push_back({b, t});
        });
    }
};

TEST(PulsanteLaterale, RiferisceIlPulsanteEITastiAlRilascio)
{
    const Rilascio casi[] = {
        {Qt::LeftButton, Qt::NoModifier},        {Qt::LeftButton, Qt::ShiftModifier},
        {Qt::RightButton, Qt::NoModifier},       {Qt::RightButton, Qt::ShiftModifier},
        {Qt::MiddleButton, Qt::ControlModifier}, {Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier},
    };
    for (const Rilascio& c : casi) {
        Banco b;
        QTest::mousePress(&b.pulsante, c.pulsante, c.tasti);
        EXPECT_TRUE(b.rilasci.empty()) << "acts on release, not on press";
        QTest::mouseRelease(&b.pulsante, c.pulsante, c.tasti);
        ASSERT_EQ(b.rilasci.size(), 1u);
        EXPECT_EQ(b.rilasci[0].pulsante, c.pulsante);
        EXPECT_EQ(b.rilasci[0].tasti, c.tasti);
        EXPECT_FALSE(b.pulsante.isDown());
    }
}

TEST(PulsanteLaterale, DisabilitatoNonRiferisceNulla)
{
    Banco b;
    b.pulsante.setEnabled(false);
    QTest::mouseClick(&b.pulsante, Qt::LeftButton);
    QTest::mouseClick(&b.pulsante, Qt::RightButton);
    EXPECT_TRUE(b.rilasci.empty());
}

TEST(PulsanteLaterale, IlTastoDestroNonApreMenuContestuali)
{
    Banco b;
    EXPECT_EQ(b.pulsante.contextMenuPolicy(), Qt::PreventContextMenu);
    EXPECT_EQ(b.pulsante.objectName(), QString("simm1"));
}

} // namespace
} // namespace vellora
