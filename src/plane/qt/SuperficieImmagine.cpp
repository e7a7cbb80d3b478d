#include "plane/qt/SuperficieImmagine.h"

#include "plane/Ridisegno.h"

#include <algorithm>
#include <cmath>

namespace vellora {

namespace {

constexpr int MassimoTesti = 512;

} // namespace

SuperficieImmagine::SuperficieImmagine(QSize dimensioni)
{
    Ridimensiona(dimensioni);
}

SuperficieImmagine::~SuperficieImmagine()
{
    Chiudi();
}

void SuperficieImmagine::Ridimensiona(QSize dimensioni)
{
    Chiudi();
    dimensioni_ = dimensioni.expandedTo(QSize(1, 1));
    // Made at the first drawing call: a window resized several times before
    // it is drawn allocates and fills one canvas, not one for each size.
    immagine_ = QImage();
}

bool SuperficieImmagine::Tela(ColoreRgb sfondo)
{
    if (!immagine_.isNull())
        return false;
    immagine_ = QImage(dimensioni_, QImage::Format_RGB32);
    immagine_.fill(Rgb(sfondo));
    return true;
}

const QImage& SuperficieImmagine::Immagine()
{
    Chiudi();
    Tela();
    return immagine_;
}

void SuperficieImmagine::Chiudi()
{
    Termina();
    pixel_ = nullptr;
}

void SuperficieImmagine::Apri()
{
    Tela();
    pittore_.begin(&immagine_);
    pittore_.setRenderHint(QPainter::Antialiasing, false);
    pittore_.setRenderHint(QPainter::TextAntialiasing, false);
    Prepara(1.0, 0.0, carattere_);
    // The painter has made the image its own; dots go straight into it.
    pixel_ = immagine_.bits();
    rigaByte_ = immagine_.bytesPerLine();
}

void SuperficieImmagine::Pulisci(ColoreRgb sfondo)
{
    // A new canvas is filled once, with this background.
    const bool nuova = Tela(sfondo);
    Pittore();
    linee_.clear();
    if (!nuova)
        immagine_.fill(Rgb(sfondo));
}

void SuperficieImmagine::Linea(double x1, double y1, double x2, double y2, ColoreRgb colore, StileLinea stile)
{
    if (!Ragionevole(x1) || !Ragionevole(y1) || !Ragionevole(x2) || !Ragionevole(y2))
        return;
    Pittore();
    if (stile == StileLinea::Continuo && tratto_ == 1 && LineaDiritta(x1, y1, x2, y2, Rgb(colore)))
        return;
    Penna(colore, stile);
    linee_.emplace_back(x1, y1, x2, y2);
}

// Grid lines, axes and ticks are solid, horizontal or vertical and on whole
// pixels: filling their pixels directly costs a fraction of the rasteriser's
// setup per line, and colours the same pixels.
bool SuperficieImmagine::LineaDiritta(double x1, double y1, double x2, double y2, QRgb colore)
{
    if ((x1 != x2 && y1 != y2) || x1 != std::floor(x1) || y1 != std::floor(y1) || x2 != std::floor(x2) ||
        y2 != std::floor(y2))
        return false;
    Scarica();
    const long w = immagine_.width();
    const long h = immagine_.height();
    if (y1 == y2) {
        const long y = static_cast<long>(y1);
        const long da = std::max(0L, static_cast<long>(std::min(x1, x2)));
        const long a = std::min(w - 1, static_cast<long>(std::max(x1, x2)));
        if (y >= 0 && y < h && da <= a) {
            QRgb* riga = reinterpret_cast<QRgb*>(pixel_ + y * rigaByte_);
            std::fill(riga + da, riga + a + 1, colore);
        }
        return true;
    }
    const long x = static_cast<long>(x1);
    const long da = std::max(0L, static_cast<long>(std::min(y1, y2)));
    const long a = std::min(h - 1, static_cast<long>(std::max(y1, y2)));
    if (x >= 0 && x < w)
        for (long y = da; y <= a; ++y)
            reinterpret_cast<QRgb*>(pixel_ + y * rigaByte_)[x] = colore;
    return true;
}

void SuperficieImmagine::Punto(double x, double y, ColoreRgb colore)
{
    if (!Ragionevole(x) || !Ragionevole(y))
        return;
    Pittore();
    Scarica();
    const long ix = std::lround(x);
    const long iy = std::lround(y);
    if (ix < 0 || iy < 0 || ix >= immagine_.width() || iy >= immagine_.height())
        return;
    reinterpret_cast<QRgb*>(pixel_ + iy * rigaByte_)[ix] = Rgb(colore);
}

const QStaticText& SuperficieImmagine::TestoPronto(const std::string& testo)
{
    auto& testi = testi_[tratto_ > 1 ? 1 : 0];
    if (const auto trovato = testi.find(testo); trovato != testi.end())
        return trovato->second;
    if (testi.size() >= MassimoTesti)
        testi.clear();
    QStaticText st(QString::fromStdString(testo));
    st.setTextFormat(Qt::PlainText);
    st.prepare(QTransform(), pittore_.font());
    return testi.emplace(testo, st).first->second;
}

void SuperficieImmagine::Testo(double x, double y, const std::string& testo, ColoreRgb colore)
{
    if (testo.empty() || !Ragionevole(x) || !Ragionevole(y))
        return;
    QPainter& p = Pittore();
    Scarica();
    Penna(colore, StileLinea::Continuo);
    p.drawStaticText(QPointF(x, y), TestoPronto(testo));
}

} // namespace vellora
