#include "shell/qt/FrmSplash.h"

#include "model/Nomi.h"
#include "plane/Ridisegno.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <cmath>

namespace vellora {

namespace {

constexpr int Larghezza = 460;
constexpr int Altezza = 300;
const char* const Versione = "Versione 0.1";

QColor Colore(vellora::ColoreRgb c)
{
    return QColor(c.r, c.g, c.b);
}

// A small Cartesian plane with a triangle and its image after a rotation of
// 90 degrees about the origin: what the program is about, at a glance.
void DisegnaPianoEsempio(QPainter& p, const QRect& r)
{
    p.fillRect(r, Colore(vellora::SfondoPiano));
    const int passo = 18;
    const QPoint o = r.center();
    p.setPen(QPen(QColor(70, 70, 230), 1));
    for (int x = o.x() % passo; x < r.right(); x += passo)
        if (x > r.left())
            p.drawLine(x, r.top(), x, r.bottom());
    for (int y = o.y() % passo; y < r.bottom(); y += passo)
        if (y > r.top())
            p.drawLine(r.left(), y, r.right(), y);
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(r.left(), o.y(), r.right(), o.y());
    p.drawLine(o.x(), r.top(), o.x(), r.bottom());

    auto punto = [&](double x, double y) { return QPointF(o.x() + x * passo, o.y() - y * passo); };
    const QPointF triangolo[] = {punto(1, 1), punto(4, 1), punto(1, 3)};
    const QPointF ruotato[] = {punto(-1, 1), punto(-1, 4), punto(-3, 1)};
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Colore(vellora::Tavolozza[vellora::CodiceGiallo]), 2));
    p.drawPolygon(triangolo, 3);
    p.setPen(QPen(Colore(vellora::Tavolozza[vellora::CodiceRosso]), 2));
    p.drawPolygon(ruotato, 3);

    QPen arco(Colore(vellora::Tavolozza[vellora::CodiceVerdeChiaro]), 1.5);
    arco.setDashPattern({3, 3});
    p.setPen(arco);
    const double raggio = std::hypot(4.0, 1.0) * passo;
    p.drawArc(QRectF(o.x() - raggio, o.y() - raggio, 2 * raggio, 2 * raggio), 16 * 14, 16 * 90);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(o), 3, 3);
}

void TestoIngrandito(QPainter& p, const QString& testo, double scala, const QColor& colore, QPoint centroInAlto)
{
    p.save();
    p.translate(centroInAlto);
    p.scale(scala, scala);
    p.setPen(colore);
    p.drawText(QRect(-200, 0, 400, 40), Qt::AlignHCenter | Qt::AlignTop, testo);
    p.restore();
}

void Dipingi(QPainter& p)
{
    const QRect tutto(0, 0, Larghezza, Altezza);
    QLinearGradient sfondo(0, 0, 0, Altezza);
    sfondo.setColorAt(0, QColor(250, 246, 232));
    sfondo.setColorAt(1, QColor(225, 232, 250));
    p.fillRect(tutto, sfondo);
    p.setPen(QPen(QColor(0, 0, 128), 2));
    p.drawRect(tutto.adjusted(1, 1, -2, -2));

    const QRect piano(24, 24, 180, Altezza - 48);
    DisegnaPianoEsempio(p, piano);

    // Every text in the interface font, enlarged by the painter: a face or a
    // size of its own would need a font lookup of its own, at start-up.
    const int centro = (piano.right() + Larghezza) / 2;
    TestoIngrandito(p, QStringLiteral("Vellora"), 3.4, QColor(0, 0, 140), {centro, 44});
    TestoIngrandito(p, QStringLiteral("Vellora"), 3.4, QColor(0, 0, 140), {centro + 1, 44});
    TestoIngrandito(p, QStringLiteral("Le trasformazioni"), 1.4, QColor(40, 40, 40), {centro, 112});
    TestoIngrandito(p, QStringLiteral("geometriche del piano"), 1.4, QColor(40, 40, 40), {centro, 134});
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRect(piano.right(), 0, Larghezza - piano.right(), Altezza - 40), Qt::AlignHCenter | Qt::AlignBottom,
               QString::fromUtf8(Versione));
}

} // namespace

FrmSplash::FrmSplash(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Vellora"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The picture is painted straight into the window when it is first
    // shown: no picture of its own to allocate and fill at start-up.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The window takes the picture's size, centred on the screen.
    setFixedSize(Larghezza, Altezza);
    const QScreen* schermo = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (schermo)
        move(schermo->geometry().center() - rect().center());
}

void FrmSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    Dipingi(p);
}

void FrmSplash::keyPressEvent(QKeyEvent*)
{
    close();
}

void FrmSplash::mousePressEvent(QMouseEvent*)
{
    close();
}

} // namespace vellora
