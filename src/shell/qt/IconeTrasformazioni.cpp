#include "shell/qt/IconeTrasformazioni.h"

#include <QPainterPath>
#include <cmath>

namespace vellora::icone {

const QColor RiempimentoOriginale(132, 180, 255);
const QColor BordoOriginale(20, 60, 160);
const QColor RiempimentoImmagine(255, 160, 100);
const QColor BordoImmagine(190, 50, 20);
const QColor Guida(70, 70, 70);
const QColor ColoreFreccia(0, 120, 0);

QPolygonF Poligono(std::initializer_list<QPointF> punti)
{
    return QPolygonF(QList<QPointF>(punti));
}

void Figura(QPainter& p, const QPolygonF& poligono, bool immagine)
{
    p.setPen(QPen(immagine ? BordoImmagine : BordoOriginale, 1.2));
    p.setBrush(immagine ? RiempimentoImmagine : RiempimentoOriginale);
    p.drawPolygon(poligono);
}

void Tratteggio(QPainter& p, QPointF a, QPointF b, const QColor& colore)
{
    QPen penna(colore, 1.0);
    penna.setDashPattern({2.0, 2.0});
    p.setPen(penna);
    p.drawLine(a, b);
}

void PuntoO(QPainter& p, QPointF o)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(o, 1.8, 1.8);
}

void PuntaFreccia(QPainter& p, QPointF da, QPointF a, const QColor& colore, double lunghezza)
{
    const double angolo = std::atan2(a.y() - da.y(), a.x() - da.x());
    const double apertura = 0.5;
    QPointF s1 = a - QPointF(std::cos(angolo - apertura), std::sin(angolo - apertura)) * lunghezza;
    QPointF s2 = a - QPointF(std::cos(angolo + apertura), std::sin(angolo + apertura)) * lunghezza;
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawPolygon(Poligono({a, s1, s2}));
}

void Freccia(QPainter& p, QPointF da, QPointF a, const QColor& colore, double spessore)
{
    const double lunghezza = std::hypot(a.x() - da.x(), a.y() - da.y());
    const double punta = 3.0 + 1.5 * spessore;
    const QPointF fineAsta = a - (a - da) * ((punta - 1.5) / lunghezza);
    p.setPen(QPen(colore, spessore, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(da, fineAsta);
    PuntaFreccia(p, da, a, colore, punta);
}

namespace {

void Simmetria(QPainter& p, Trasformazione t)
{
    switch (t) {
    case Trasformazione::Simm1:
        Figura(p, Poligono({{2, 19}, {10, 19}, {10, 6}}), false);
        Figura(p, Poligono({{22, 19}, {14, 19}, {14, 6}}), true);
        Tratteggio(p, {12, 1}, {12, 23});
        break;
    case Trasformazione::Simm2:
        Figura(p, Poligono({{5, 2}, {5, 10}, {19, 10}}), false);
        Figura(p, Poligono({{5, 22}, {5, 14}, {19, 14}}), true);
        Tratteggio(p, {1, 12}, {23, 12});
        break;
    case Trasformazione::Simm3:
        Figura(p, Poligono({{2, 2}, {10, 2}, {2, 9}}), false);
        Figura(p, Poligono({{22, 22}, {14, 22}, {22, 15}}), true);
        Tratteggio(p, {2, 2}, {22, 22});
        PuntoO(p, {12, 12});
        break;
    default: // simm4: the line x + y = 24 maps (x, y) to (24 - y, 24 - x)
        Figura(p, Poligono({{13, 21}, {21, 21}, {21, 14}}), false);
        Figura(p, Poligono({{3, 11}, {3, 3}, {10, 3}}), true);
        Tratteggio(p, {1, 23}, {23, 1});
        PuntoO(p, {5, 19});
        PuntoO(p, {19, 5});
        break;
    }
}

void Rotazione(QPainter& p)
{
    const QPointF o(4, 20);
    const QPolygonF triangolo = Poligono({{8, 20}, {20, 20}, {20, 15}});
    // Qt turns clockwise on screen for a positive angle: -60 is counter-clockwise.
    const QTransform rotazione = QTransform().translate(o.x(), o.y()).rotate(-60).translate(-o.x(), -o.y());
    Figura(p, triangolo, false);
    Figura(p, rotazione.map(triangolo), true);
    const double raggio = 16.5, inizio = 14, ampiezza = 42;
    p.setPen(QPen(ColoreFreccia, 1.5));
    p.setBrush(Qt::NoBrush);
    const QRectF cerchio(o.x() - raggio, o.y() - raggio, 2 * raggio, 2 * raggio);
    p.drawArc(cerchio, static_cast<int>(inizio * 16), static_cast<int>(ampiezza * 16));
    const double fine = (inizio + ampiezza + 6) * M_PI / 180;
    const QPointF punta = o + QPointF(std::cos(fine), -std::sin(fine)) * raggio;
    const QPointF tangente(-std::sin(fine), -std::cos(fine));
    PuntaFreccia(p, punta - tangente, punta, ColoreFreccia);
    PuntoO(p, o);
}

void Omotetia(QPainter& p)
{
    const QPointF o(2, 22);
    const QPolygonF piccolo = Poligono({{5, 20}, {10, 20}, {10, 15}});
    const QPolygonF grande =
        QTransform().translate(o.x(), o.y()).scale(2.4, 2.4).translate(-o.x(), -o.y()).map(piccolo);
    Tratteggio(p, o, grande[2]);
    Tratteggio(p, o, grande[1]);
    Figura(p, grande, true);
    Figura(p, piccolo, false);
    PuntoO(p, o);
}

void Traslazione(QPainter& p, Trasformazione t)
{
    switch (t) {
    case Trasformazione::Trasla1:
        Figura(p, Poligono({{1, 20}, {9, 20}, {9, 10}}), false);
        Figura(p, Poligono({{14, 20}, {22, 20}, {22, 10}}), true);
        Freccia(p, {3, 5}, {21, 5});
        break;
    case Trasformazione::Trasla2:
        Figura(p, Poligono({{2, 22}, {11, 22}, {11, 15}}), false);
        Figura(p, Poligono({{2, 9}, {11, 9}, {11, 2}}), true);
        Freccia(p, {18, 21}, {18, 3});
        break;
    default:
        Figura(p, Poligono({{1, 22}, {8, 22}, {8, 15}}), false);
        Figura(p, Poligono({{15, 9}, {22, 9}, {22, 2}}), true);
        Freccia(p, {8, 12}, {16, 4});
        break;
    }
}

void Stiramento(QPainter& p, bool orizzontale)
{
    p.setBrush(QColor(255, 160, 100, 150));
    p.setPen(QPen(BordoImmagine, 1.2));
    if (orizzontale) {
        p.drawRect(QRectF(3, 5, 18, 9));
        Figura(p, Poligono({{3, 5}, {12, 5}, {12, 14}, {3, 14}}), false);
        Freccia(p, {3, 19}, {22, 19});
        Tratteggio(p, {3, 1}, {3, 23});
    } else {
        p.drawRect(QRectF(10, 3, 9, 18));
        Figura(p, Poligono({{10, 21}, {19, 21}, {19, 12}, {10, 12}}), false);
        Freccia(p, {5, 21}, {5, 2});
        Tratteggio(p, {1, 21}, {23, 21});
    }
}

} // namespace

void DisegnaTrasformazione(QPainter& p, Trasformazione t)
{
    using T = Trasformazione;
    switch (t) {
    case T::Simm1:
    case T::Simm2:
    case T::Simm3:
    case T::Simm4:
        return Simmetria(p, t);
    case T::Ruota:
        return Rotazione(p);
    case T::Omotetia:
        return Omotetia(p);
    case T::Trasla1:
    case T::Trasla2:
    case T::Trasla3:
        return Traslazione(p, t);
    case T::Stir1:
        return Stiramento(p, true);
    case T::Stir2:
        return Stiramento(p, false);
    }
}

} // namespace vellora::icone
