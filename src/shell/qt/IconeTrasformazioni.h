#pragma once
// The pieces every button picture is made of, and the pictures of the eleven
// transformation buttons: a figure in blue, its image in orange.
#include "transform/Formule.h"

#include <QColor>
#include <QPainter>
#include <QPolygonF>
#include <initializer_list>

namespace vellora::icone {

extern const QColor RiempimentoOriginale;
extern const QColor BordoOriginale;
extern const QColor RiempimentoImmagine;
extern const QColor BordoImmagine;
extern const QColor Guida;
extern const QColor ColoreFreccia;

QPolygonF Poligono(std::initializer_list<QPointF> punti);
void Figura(QPainter& p, const QPolygonF& poligono, bool immagine);
void Tratteggio(QPainter& p, QPointF a, QPointF b, const QColor& colore = Guida);
void PuntoO(QPainter& p, QPointF o);
void PuntaFreccia(QPainter& p, QPointF da, QPointF a, const QColor& colore, double lunghezza = 5.0);
void Freccia(QPainter& p, QPointF da, QPointF a, const QColor& colore = ColoreFreccia, double spessore = 1.6);

// The picture of a transformation's button, on a 24 x 24 canvas.
void DisegnaTrasformazione(QPainter& p, Trasformazione t);

} // namespace vellora::icone
