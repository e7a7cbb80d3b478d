#include "shell/qt/StileVellora.h"

#include "shell/qt/Icone.h"
#include "shell/qt/MotoreIcona.h"

#include <QPainter>
#include <QPolygonF>

namespace vellora {

namespace {

// The frame buttons' pictures, on a 16-unit square.
constexpr int Griglia = 16;

QPen Tratto()
{
    return QPen(QColor(40, 40, 40), 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void Chiudi(QPainter& p)
{
    p.setPen(Tratto());
    p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
    p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
}

void Riduci(QPainter& p)
{
    p.setPen(Tratto());
    p.drawLine(QPointF(4.5, 11.5), QPointF(11.5, 11.5));
}

void Finestra(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(40, 40, 40), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(Tratto());
    p.drawLine(r.topLeft() + QPointF(0, 0.5), r.topRight() + QPointF(0, 0.5));
}

void Ingrandisci(QPainter& p)
{
    Finestra(p, QRectF(3.5, 3.5, 9, 9));
}

void Ripristina(QPainter& p)
{
    Finestra(p, QRectF(5.5, 2.5, 8, 7));
    Finestra(p, QRectF(2.5, 6.5, 8, 7));
}

// The button at the end of a bar too short for its contents: two chevrons
// towards the hidden part.
void Altro(QPainter& p, bool orizzontale)
{
    if (!orizzontale) {
        p.translate(Griglia, 0);
        p.rotate(90);
    }
    p.setPen(QPen(QColor(40, 40, 40), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (double x : {3.5, 8.0})
        p.drawPolyline(QPolygonF({QPointF(x, 4.5), QPointF(x + 3.5, 8), QPointF(x, 11.5)}));
}

} // namespace

QIcon StileVellora::standardIcon(StandardPixmap quale, const QStyleOption* opzione, const QWidget* widget) const
{
    // Made once each: the frame buttons ask for their picture at every paint,
    // and a picture made anew would be painted anew.
    if (const auto trovata = icone_.find(quale); trovata != icone_.end())
        return trovata->second;
    QIcon icona;
    switch (quale) {
    case SP_TitleBarCloseButton:
    case SP_DockWidgetCloseButton:
        icona = IconaDipinta(Chiudi, Griglia);
        break;
    case SP_TitleBarMinButton:
        icona = IconaDipinta(Riduci, Griglia);
        break;
    case SP_TitleBarMaxButton:
        icona = IconaDipinta(Ingrandisci, Griglia);
        break;
    case SP_TitleBarNormalButton:
        icona = IconaDipinta(Ripristina, Griglia);
        break;
    case SP_TitleBarMenuButton:
        icona = IconaProgramma();
        break;
    case SP_ToolBarHorizontalExtensionButton:
        icona = IconaDipinta([](QPainter& p) { Altro(p, true); }, Griglia);
        break;
    case SP_ToolBarVerticalExtensionButton:
        icona = IconaDipinta([](QPainter& p) { Altro(p, false); }, Griglia);
        break;
    default:
        return QProxyStyle::standardIcon(quale, opzione, widget);
    }
    icone_.emplace(quale, icona);
    return icona;
}

} // namespace vellora
