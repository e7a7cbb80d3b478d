// The plane window on its own, offscreen: real mouse events reach the core and the window shows what it answers.
#include "Finti.h"
#include "plane/Mappatura.h"
#include "plane/qt/FrmPiano.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <tuple>

using namespace vellora;

namespace {

// The point (-8, -4), active, and the triangle (1,1) (2,1) (1,2).
TEST(FrmPiano, IlMouseSelezionaESpostaMaNonDuranteUnaMacro)
{
    test::DialoghiFinti dialoghi;
    test::VistaFinta vista;
    Programma p{dialoghi, vista};
    FrmPiano w{p};
    const float xp[] = {-8}, yp[] = {-4}, x[] = {1, 2, 1}, y[] = {1, 1, 2};
    AggiungiFigura(p.d, 1, xp, yp);
    AggiungiFigura(p.d, 3, x, y);
    p.d.FiguraAttiva = 1;
    w.resize(800, 500);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_EQ(p.mappa.PassoPixel, 34); // the window drew the plane at its size
    const auto pixel = [&](float px, float py) {
        const PuntoPixel q = PianoInPixel(p.d, p.mappa, px, py);
        return QPoint(static_cast<int>(q.x), static_cast<int>(q.y));
    };
    const QPoint lato = pixel(1.5f, 1);

    // While a macro plays, clicks change nothing.
    p.sessione.EsecuzioneMacro = true;
    QTest::mouseMove(&w, lato); // figure 2 under the pointer
    const Disegno prima = p.d;
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, lato);
    QTest::mouseClick(&w, Qt::LeftButton, Qt::ShiftModifier, pixel(3, 3)); // would place O
    QTest::mousePress(&w, Qt::RightButton, Qt::NoModifier, pixel(3, 2));
    QTest::mouseRelease(&w, Qt::RightButton, Qt::NoModifier, pixel(-5, -5));
    EXPECT_TRUE(p.d == prima);
    EXPECT_FALSE(p.mouse.SpostamentoPronto);
    p.sessione.EsecuzioneMacro = false;

    QTest::mouseMove(&w, pixel(-3, 5));
    EXPECT_FALSE(w.LblServizio()->isVisible());
    EXPECT_EQ(w.cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(&w, lato);
    EXPECT_TRUE(w.LblServizio()->isVisible());
    EXPECT_EQ(w.LblServizio()->text(), " triangolo giallo ");
    EXPECT_EQ(w.LblServizio()->pos(), lato + QPoint(12, 10));
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, lato);
    EXPECT_EQ(p.testi.CampoFigura, "Figura  2: triangolo giallo");

    // QTest moves the pointer with no key held: a Shift move is sent directly.
    const QPoint q = pixel(1.5f, -2);
    QMouseEvent shift(QEvent::MouseMove, q, w.mapToGlobal(q), Qt::NoButton, Qt::NoButton, Qt::ShiftModifier);
    QApplication::sendEvent(&w, &shift);
    EXPECT_EQ(w.LblServizio()->text(), " 1,5;   -2 ");

    QTest::mousePress(&w, Qt::RightButton, Qt::NoModifier, pixel(3, 2));
    QTest::mouseRelease(&w, Qt::RightButton, Qt::NoModifier, pixel(-5, -5));
    EXPECT_EQ(std::tie(p.d.Figure.X(2, 1), p.d.Figure.Y(2, 3)), std::tuple(3.0f, 3.0f));
    EXPECT_EQ(p.testi.Pannelli[1], "xTrasl.=2");
}

// The start-up lays the window out more than once before it shows: the map
// follows every size, and the first paint shows the figures, not a blank
// canvas.
TEST(FrmPiano, LaPrimaPitturaMostraLeFigure)
{
    test::DialoghiFinti dialoghi;
    test::VistaFinta vista;
    Programma p{dialoghi, vista};
    FrmPiano w{p};
    const float x[] = {1, 4, 1}, y[] = {1, 1, 4};
    AggiungiFigura(p.d, 3, x, y);
    p.d.FiguraAttiva = 1;
    w.resize(400, 300);
    QApplication::sendPostedEvents();
    w.resize(800, 500);
    const QImage quadro = w.grab().toImage();
    ASSERT_EQ(p.mappa.PassoPixel, 34);
    const PuntoPixel lato = PianoInPixel(p.d, p.mappa, 2.5f, 1);
    const ColoreRgb giallo = Tavolozza[CodiceGiallo];
    EXPECT_EQ(quadro.pixelColor(static_cast<int>(lato.x), static_cast<int>(lato.y)),
              QColor(giallo.r, giallo.g, giallo.b));
}

} // namespace
