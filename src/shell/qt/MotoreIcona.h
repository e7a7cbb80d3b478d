#pragma once
// An icon painted when it is first shown, at the size and pixel density it
// is shown at: nothing is painted while the window is being built, and a
// scaled screen (a projector, a large monitor) gets sharp pictures rather
// than enlarged ones.
#include <QIcon>
#include <QIconEngine>
#include <functional>

namespace vellora {

class MotoreIcona : public QIconEngine {
public:
    // disegno paints the picture on a griglia x griglia square.
    MotoreIcona(std::function<void(QPainter&)> disegno, int griglia);

    void paint(QPainter* pittore, const QRect& rettangolo, QIcon::Mode modo, QIcon::State stato) override;
    QPixmap pixmap(const QSize& dimensioni, QIcon::Mode modo, QIcon::State stato) override;
    QSize actualSize(const QSize& dimensioni, QIcon::Mode modo, QIcon::State stato) override;
    QIconEngine* clone() const override;

private:
    std::function<void(QPainter&)> disegno_;
    int griglia_;
    quint64 numero_; // names the picture in the pixmap cache; copies share it
};

inline QIcon IconaDipinta(std::function<void(QPainter&)> disegno, int griglia)
{
    return QIcon(new MotoreIcona(std::move(disegno), griglia));
}

} // namespace vellora
