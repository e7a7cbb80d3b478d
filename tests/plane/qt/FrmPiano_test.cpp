// The plane window on its own, offscreen: real mouse events reach the core
// and the window shows what it answers.
#include "Finti.h"
#include "plane/Mappatura.h"
#include "plane/qt/FrmPiano.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace vellora {
namespace {

class PianoConMouse : public ::testing::Test {
protected:
    test::DialoghiFinti dialoghi;
    test::VistaFinta vista;
    Programma p{dialoghi, vista};
    FrmPiano w{p};

    void SetUp() override
    {
        const float xp[] = {-8}, yp[] = {-4};
        AggiungiFigura(p.m, 1, xp, yp);
        const float x[] = {1, 2, 1}, y[] = {1, 1, 2};
        AggiungiFigura(p.m, 3, x, y);
        p.m.FiguraAttiva = 1;
        w.resize(800, 500);
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    QPoint Pixel(float x, float y) const
    {
        const PuntoPixel q = PianoInPixel(p.m, x, y);
        return {static_cast<int>(q.x), static_cast<int>(q.y)};
    }
    // QTest moves the pointer with no key held; a Shift move is sent directly.
    void Muovi(QPoint q, Qt::KeyboardModifiers tasti = Qt::NoModifier)
    {
        if (tasti == Qt::NoModifier) {
            QTest::mouseMove(&w, q);
            return;
        }
        QMouseEvent e(QEvent::MouseMove, q, w.mapToGlobal(q), Qt::NoButton, Qt::NoButton, tasti);
        QApplication::sendEvent(&w, &e);
    }
};

TEST_F(PianoConMouse, PassaggioEClicSinistroSelezionano)
{
    ASSERT_EQ(p.m.PassoPixel, 34); // the window drew the plane at its size

    Muovi(Pixel(-3, 5));
    EXPECT_FALSE(w.LblServizio()->isVisible());
    EXPECT_EQ(w.cursor().shape(), Qt::BitmapCursor);

    const QPoint lato = Pixel(1.5f, 1);
    Muovi(lato);
    EXPECT_TRUE(w.LblServizio()->isVisible());
    EXPECT_EQ(w.LblServizio()->text(), " triangolo giallo ");
    EXPECT_EQ(w.LblServizio()->pos(), lato + QPoint(12, 10));
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);

    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, lato);
    EXPECT_EQ(p.m.FiguraAttiva, 2);
    EXPECT_EQ(p.testi.CampoFigura, "Figura  2: triangolo giallo");

    Muovi(Pixel(1.5f, -2), Qt::ShiftModifier);
    EXPECT_EQ(w.LblServizio()->text(), " 1,5;   -2 ");
}

TEST_F(PianoConMouse, IlPulsanteDestroSpostaLaFigura)
{
    p.m.FiguraAttiva = 2;
    QTest::mousePress(&w, Qt::RightButton, Qt::NoModifier, Pixel(3, 2));
    QTest::mouseRelease(&w, Qt::RightButton, Qt::NoModifier, Pixel(-5, -5));
    EXPECT_EQ(p.m.Figure.X(2, 1), 3.0f);
    EXPECT_EQ(p.m.Figure.Y(2, 3), 3.0f);
    EXPECT_EQ(p.testi.Pannelli[1], "xTrasl.=2");
}

TEST_F(PianoConMouse, IlClicNelPannelloDatiNeRicordaLaPosizione)
{
    p.testi.DatiVisibili = true;
    for (int i = 0; i < 30; ++i)
        p.testi.TestoDati += "riga " + std::to_string(i) + "\r\n";
    w.Aggiorna();
    QPlainTextEdit* dati = w.TxtDati();
    ASSERT_TRUE(dati->isVisible());
    QTest::mouseClick(dati->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(p.m.PosizioneDati, 0.0f);
    dati->moveCursor(QTextCursor::End);
    dati->ensureCursorVisible();
    const QRect fine = dati->cursorRect();
    QTest::mouseClick(dati->viewport(), Qt::LeftButton, Qt::NoModifier, fine.center());
    EXPECT_EQ(p.m.PosizioneDati, 1.0f);
}

TEST_F(PianoConMouse, DuranteUnaMacroIClicNonCambianoNulla)
{
    p.m.EsecuzioneMacro = true;
    const QPoint lato = Pixel(1.5f, 1);
    Muovi(lato); // figure 2 under the pointer
    const Modello prima = p.m;
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, lato);
    QTest::mouseClick(&w, Qt::LeftButton, Qt::ShiftModifier, Pixel(3, 3)); // would place O
    QTest::mousePress(&w, Qt::RightButton, Qt::NoModifier, Pixel(3, 2));
    QTest::mouseRelease(&w, Qt::RightButton, Qt::NoModifier, Pixel(-5, -5));
    EXPECT_TRUE(p.m == prima);
    EXPECT_FALSE(p.mouse.SpostamentoPronto);
}

} // namespace
} // namespace vellora
