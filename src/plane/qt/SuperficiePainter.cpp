#include "plane/qt/SuperficiePainter.h"

#include "plane/Ridisegno.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

namespace vellora {

namespace {

// Dash patterns of the thick lines of a page, in line widths: dots that stay
// dots when printed, dashes long enough to read as dashes.
const QList<qreal> Punti = {1.0, 2.0};
const QList<qreal> Trattini = {8.0, 4.0};

} // namespace

bool SuperficiePainter::Ragionevole(double v)
{
    return std::isfinite(v) && std::abs(v) < 1e7;
}

SuperficiePainter::SuperficiePainter()
{
    linee_.reserve(256);
}

SuperficiePainter::~SuperficiePainter()
{
    Termina();
}

bool SuperficiePainter::Inizia(QPaintDevice* dispositivo, double scala, double spessore, const QFont& carattere)
{
    Termina();
    if (!pittore_.begin(dispositivo))
        return false;
    pittore_.setRenderHint(QPainter::Antialiasing, true);
    pittore_.setRenderHint(QPainter::TextAntialiasing, true);
    Prepara(scala, spessore, carattere);
    ascesa_ = pittore_.fontMetrics().ascent();
    return true;
}

void SuperficiePainter::Prepara(double scala, double spessore, const QFont& carattere)
{
    scala_ = scala;
    if (spessore != spessore_)
        penne_.clear();
    spessore_ = spessore;
    caratterePiano_ = carattere;
    pittore_.setFont(Carattere());
    pittore_.setBrush(Qt::NoBrush);
    pennaAttuale_ = UINT32_MAX;
    pennello_ = false;
}

QFont SuperficiePainter::Carattere() const
{
    if (tratto_ == 1)
        return caratterePiano_;
    QFont f = caratterePiano_;
    if (f.pixelSize() > 0)
        f.setPixelSize(static_cast<int>(std::lround(f.pixelSize() * TestoSpesso)));
    else
        f.setPointSizeF(f.pointSizeF() * TestoSpesso);
    f.setBold(true);
    return f;
}

void SuperficiePainter::ImpostaTratto(int fattore)
{
    fattore = std::max(1, std::min(fattore, 63)); // the pen key keeps six bits for it
    if (fattore == tratto_)
        return;
    const bool cambiaCarattere = (fattore == 1) != (tratto_ == 1);
    if (pittore_.isActive())
        Scarica();
    tratto_ = fattore;
    if (cambiaCarattere && pittore_.isActive()) {
        pittore_.setFont(Carattere());
        ascesa_ = pittore_.fontMetrics().ascent();
    }
}

void SuperficiePainter::Svuota()
{
    if (pittore_.isActive())
        Scarica();
}

bool SuperficiePainter::Termina()
{
    if (!pittore_.isActive()) {
        linee_.clear();
        return true;
    }
    Scarica();
    return pittore_.end();
}

void SuperficiePainter::Penna(ColoreRgb colore, StileLinea stile)
{
    const uint32_t chiave =
        (Rgb(colore) & 0xFFFFFFu) | (static_cast<uint32_t>(stile) << 24) | (static_cast<uint32_t>(tratto_) << 26);
    if (chiave == pennaAttuale_)
        return;
    Scarica();
    pennaAttuale_ = chiave;
    for (const auto& [k, penna] : penne_) {
        if (k == chiave) {
            pittore_.setPen(penna);
            return;
        }
    }
    QPen penna(QColor(Rgb(colore)));
    if (spessore_ <= 0.0 && tratto_ > 1) {
        penna.setWidth(tratto_);
        penna.setCapStyle(stile == StileLinea::Continuo ? Qt::SquareCap : Qt::FlatCap);
        penna.setStyle(stile == StileLinea::Punteggiato    ? Qt::DotLine
                       : stile == StileLinea::Tratteggiato ? Qt::DashLine
                                                           : Qt::SolidLine);
    } else if (spessore_ <= 0.0) {
        penna.setWidth(1);
        penna.setCosmetic(true);
        penna.setCapStyle(Qt::SquareCap);
        penna.setStyle(stile == StileLinea::Punteggiato    ? Qt::DotLine
                       : stile == StileLinea::Tratteggiato ? Qt::DashLine
                                                           : Qt::SolidLine);
    } else {
        penna.setWidthF(spessore_ * tratto_);
        // Square ends make a solid line reach its end points; a pattern
        // keeps its gaps only with flat ends.
        penna.setCapStyle(stile == StileLinea::Continuo ? Qt::SquareCap : Qt::FlatCap);
        if (stile != StileLinea::Continuo)
            penna.setDashPattern(stile == StileLinea::Punteggiato ? Punti : Trattini);
    }
    penne_.emplace_back(chiave, penna);
    pittore_.setPen(penna);
}

// Sloping lines wait in a batch: the rasteriser's setup per call costs more
// than a short edge itself. Anything else drawn empties the batch first, so
// the order of the drawing is kept.
void SuperficiePainter::Scarica()
{
    if (!linee_.empty()) {
        pittore_.drawLines(linee_.data(), static_cast<int>(linee_.size()));
        linee_.clear();
    }
}

void SuperficiePainter::Pulisci(ColoreRgb sfondo)
{
    QPainter& p = Pittore();
    linee_.clear();
    p.fillRect(p.window(), QColor(Rgb(sfondo)));
}

void SuperficiePainter::Linea(double x1, double y1, double x2, double y2, ColoreRgb colore, StileLinea stile)
{
    if (!Ragionevole(x1) || !Ragionevole(y1) || !Ragionevole(x2) || !Ragionevole(y2))
        return;
    Pittore();
    Penna(colore, stile);
    linee_.emplace_back(x1 * scala_, y1 * scala_, x2 * scala_, y2 * scala_);
}

void SuperficiePainter::Punto(double x, double y, ColoreRgb colore)
{
    if (!Ragionevole(x) || !Ragionevole(y))
        return;
    QPainter& p = Pittore();
    Penna(colore, StileLinea::Continuo);
    Scarica();
    p.drawPoint(QPointF(x * scala_, y * scala_));
}

void SuperficiePainter::Cerchio(double x, double y, double raggio, ColoreRgb contorno, const ColoreRgb* riempimento,
                                StileLinea stile)
{
    if (!Ragionevole(x) || !Ragionevole(y) || !Ragionevole(raggio))
        return;
    QPainter& p = Pittore();
    Scarica();
    Penna(contorno, stile);
    if (riempimento) {
        const QColor c(Rgb(*riempimento));
        if (!pennello_ || c != colorePennello_) {
            p.setBrush(c);
            colorePennello_ = c;
            pennello_ = true;
        }
    } else if (pennello_) {
        p.setBrush(Qt::NoBrush);
        pennello_ = false;
    }
    p.drawEllipse(QPointF(x * scala_, y * scala_), raggio * scala_, raggio * scala_);
}

void SuperficiePainter::Testo(double x, double y, const std::string& testo, ColoreRgb colore)
{
    if (testo.empty() || !Ragionevole(x) || !Ragionevole(y))
        return;
    QPainter& p = Pittore();
    Scarica();
    Penna(colore, StileLinea::Continuo);
    // The position is the text's top-left corner; the painter wants the
    // baseline.
    p.drawText(QPointF(x * scala_, y * scala_ + ascesa_), QString::fromStdString(testo));
}

} // namespace vellora
