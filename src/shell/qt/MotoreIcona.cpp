#include "shell/qt/MotoreIcona.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <atomic>

namespace vellora {

namespace {
std::atomic<quint64> ultimoNumero{0};
}

MotoreIcona::MotoreIcona(std::function<void(QPainter&)> disegno, int griglia)
    : disegno_(std::move(disegno)), griglia_(griglia), numero_(++ultimoNumero)
{
}

void MotoreIcona::paint(QPainter* pittore, const QRect& rettangolo, QIcon::Mode modo, QIcon::State stato)
{
    const qreal densita = pittore->device() ? pittore->device()->devicePixelRatioF() : 1.0;
    QPixmap immagine = pixmap(rettangolo.size() * densita, modo, stato);
    immagine.setDevicePixelRatio(densita);
    pittore->drawPixmap(rettangolo.topLeft(), immagine);
}

QPixmap MotoreIcona::pixmap(const QSize& dimensioni, QIcon::Mode modo, QIcon::State stato)
{
    (void)stato;
    const QString chiave = QStringLiteral("vellora-icona-%1-%2x%3-%4")
                               .arg(numero_)
                               .arg(dimensioni.width())
                               .arg(dimensioni.height())
                               .arg(static_cast<int>(modo));
    QPixmap immagine;
    if (QPixmapCache::find(chiave, &immagine))
        return immagine;
    immagine = QPixmap(dimensioni);
    immagine.fill(Qt::transparent);
    {
        QPainter p(&immagine);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(dimensioni.width() / double(griglia_), dimensioni.height() / double(griglia_));
        disegno_(p);
    }
    // A disabled button greys its picture as the style greys any other.
    if (modo == QIcon::Disabled) {
        QStyleOption opzione;
        opzione.palette = QApplication::palette();
        immagine = QApplication::style()->generatedIconPixmap(modo, immagine, &opzione);
    }
    QPixmapCache::insert(chiave, immagine);
    return immagine;
}

QSize MotoreIcona::actualSize(const QSize& dimensioni, QIcon::Mode, QIcon::State)
{
    return dimensioni;
}

QIconEngine* MotoreIcona::clone() const
{
    return new MotoreIcona(*this);
}

} // namespace vellora
