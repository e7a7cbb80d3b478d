#include "shell/qt/Icone.h"

#include "model/Nomi.h"
#include "plane/Ridisegno.h"
#include "shell/qt/IconeTrasformazioni.h"
#include "shell/qt/MotoreIcona.h"
#include "transform/Descrittori.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <initializer_list>

namespace vellora {

namespace {

using namespace icone;

void Macro(QPainter& p)
{
    p.setPen(QPen(Guida, 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 1.5, 13, 19));
    for (double y : {5.5, 9.0, 12.5, 16.0})
        p.drawLine(QPointF(5, y), QPointF(13, y));
    p.setPen(QPen(QColor(0, 90, 0), 1.0));
    p.setBrush(QColor(40, 170, 40));
    p.drawPolygon(Poligono({{11, 10}, {11, 23}, {22.5, 16.5}}));
}

void Colore(QPainter& p, int indice)
{
    // Palette buttons by index: white, red, yellow, green, cyan, magenta, grey.
    static constexpr int Codici[] = {vellora::CodiceBianco,      vellora::CodiceRosso,   vellora::CodiceGiallo,
                                     vellora::CodiceVerdeChiaro, vellora::CodiceAzzurro, vellora::CodiceViola,
                                     vellora::CodiceGrigio};
    const vellora::ColoreRgb c = vellora::Tavolozza[Codici[indice]];
    p.setPen(QPen(QColor(60, 60, 60), 1.0));
    p.setBrush(QColor(c.r, c.g, c.b));
    p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
}

void Punteggiato(QPainter& p)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
    QPen punti(Qt::black, 1.6, Qt::DotLine);
    p.setPen(punti);
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(Poligono({{6, 18}, {18, 18}, {18, 6}}));
}

void Elimina(QPainter& p)
{
    Figura(p, Poligono({{1, 21}, {13, 21}, {13, 5}}), false);
    p.setPen(QPen(QColor(210, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 10), QPointF(22, 19));
    p.drawLine(QPointF(22, 10), QPointF(13, 19));
}

void Replica(QPainter& p)
{
    Figura(p, Poligono({{1, 22}, {13, 22}, {13, 8}}), false);
    Figura(p, Poligono({{8, 17}, {20, 17}, {20, 3}}), true);
    p.setPen(QPen(ColoreFreccia, 2.0));
    p.drawLine(QPointF(4, 5), QPointF(10, 5));
    p.drawLine(QPointF(7, 2), QPointF(7, 8));
}

void Vertice(QPainter& p, bool avanti)
{
    p.setPen(QPen(BordoOriginale, 1.2));
    p.setBrush(RiempimentoOriginale);
    p.drawPolygon(Poligono({{1, 21}, {14, 21}, {14, 6}}));
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(QColor(230, 0, 0));
    p.drawEllipse(QPointF(14, 6), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(ColoreFreccia);
    if (avanti)
        p.drawPolygon(Poligono({{19, 14}, {23, 20}, {15, 20}}));
    else
        p.drawPolygon(Poligono({{15, 14}, {23, 14}, {19, 20}}));
}

void FiguraSuccessiva(QPainter& p, bool avanti)
{
    if (avanti) {
        Figura(p, Poligono({{1, 20}, {10, 20}, {1, 8}}), false);
        p.setPen(Qt::NoPen);
        p.setBrush(ColoreFreccia);
        p.drawPolygon(Poligono({{23, 12}, {13, 4}, {13, 20}}));
    } else {
        Figura(p, Poligono({{14, 20}, {23, 20}, {23, 8}}), false);
        p.setPen(Qt::NoPen);
        p.setBrush(ColoreFreccia);
        p.drawPolygon(Poligono({{1, 12}, {11, 4}, {11, 20}}));
    }
}

void Assi(QPainter& p)
{
    p.setPen(QPen(Qt::black, 1.2));
    p.drawLine(QPointF(12, 1.5), QPointF(12, 22.5));
    p.drawLine(QPointF(1.5, 12), QPointF(22.5, 12));
}

// indice 1..4 shades one quadrant, 0 all four.
void Quadrante(QPainter& p, int indice)
{
    p.setPen(QPen(QColor(120, 120, 120), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 21, 21));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 130, 255));
    const QRectF q[] = {
        {1.5, 1.5, 21, 21}, {12, 1.5, 10.5, 10.5}, {1.5, 1.5, 10.5, 10.5}, {1.5, 12, 10.5, 10.5}, {12, 12, 10.5, 10.5}};
    p.drawRect(q[indice]);
    Assi(p);
}

void TraslaPiano(QPainter& p, Voce v)
{
    p.setPen(QPen(QColor(170, 170, 200), 1.0));
    for (double t : {4.5, 8.5, 15.5, 19.5}) {
        p.drawLine(QPointF(t, 1.5), QPointF(t, 22.5));
        p.drawLine(QPointF(1.5, t), QPointF(22.5, t));
    }
    Assi(p);
    const QPointF c(12, 12);
    const QPointF direzione = v == Voce::TraslaPiano1   ? QPointF(1, 0)
                              : v == Voce::TraslaPiano2 ? QPointF(-1, 0)
                              : v == Voce::TraslaPiano3 ? QPointF(0, -1)
                                                        : QPointF(0, 1);
    Freccia(p, c - direzione * 8, c + direzione * 10, QColor(0, 130, 0), 3.0);
}

void Disegna(QPainter& p, Voce v)
{
    if (const Descrittore* d = DescrittoreDelPulsante(v))
        return DisegnaTrasformazione(p, d->tipo);
    switch (v) {
    case Voce::Macro:
        return Macro(p);
    case Voce::CmdElimina:
        return Elimina(p);
    case Voce::CmdReplica:
        return Replica(p);
    case Voce::TavolozzaFigure7:
        return Punteggiato(p);
    case Voce::VerticeAvanti:
        return Vertice(p, true);
    case Voce::VerticeIndietro:
        return Vertice(p, false);
    case Voce::FigAvanti:
        return FiguraSuccessiva(p, true);
    case Voce::FigIndietro:
        return FiguraSuccessiva(p, false);
    case Voce::ResettaPiano:
        return Quadrante(p, 0);
    case Voce::PrimoQuadrante:
        return Quadrante(p, 1);
    case Voce::SecondoQuadrante:
        return Quadrante(p, 2);
    case Voce::TerzoQuadrante:
        return Quadrante(p, 3);
    case Voce::QuartoQuadrante:
        return Quadrante(p, 4);
    case Voce::TraslaPiano1:
    case Voce::TraslaPiano2:
    case Voce::TraslaPiano3:
    case Voce::TraslaPiano4:
        return TraslaPiano(p, v);
    default:
        break;
    }
    if (v >= Voce::TavolozzaFigure0 && v <= Voce::TavolozzaFigure6)
        Colore(p, static_cast<int>(v) - static_cast<int>(Voce::TavolozzaFigure0));
}

} // namespace

QIcon IconaProgramma()
{
    constexpr int Lato = 32;
    QPixmap immagine(Lato, Lato);
    immagine.fill(QColor(SfondoPiano.r, SfondoPiano.g, SfondoPiano.b));
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 150, 255), 1.0));
    p.drawLine(QPointF(16, 1), QPointF(16, 31));
    p.drawLine(QPointF(1, 16), QPointF(31, 16));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 0), 2.0));
    p.drawPolygon(Poligono({{18, 14}, {29, 14}, {18, 5}}));
    p.setPen(QPen(QColor(255, 70, 70), 2.0));
    p.drawPolygon(Poligono({{14, 18}, {3, 18}, {14, 27}}));
    p.end();
    return QIcon(immagine);
}

QIcon IconaVoce(Voce v)
{
    if (v < Voce::Stir2)
        return {};
    // The pictures are drawn on a 24-unit grid; a smaller button gets them
    // painted at its own size rather than a blurred copy.
    return IconaDipinta([v](QPainter& p) { Disegna(p, v); }, LatoIcona);
}

} // namespace vellora
