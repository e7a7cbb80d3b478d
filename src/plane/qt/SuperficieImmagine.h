#pragma once
// The drawing surface on a persistent image: the plane window's canvas, and
// the picture an export takes. Drawing calls open one painter lazily and keep
// it for the whole redraw; reading the image closes it, so that what is read
// is complete and no painter outlives a resize.
#include "plane/Superficie.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QStaticText>
#include <string>
#include <unordered_map>
#include <vector>

namespace vellora {

class SuperficieImmagine : public Superficie {
public:
    explicit SuperficieImmagine(QSize dimensioni = QSize(1, 1));
    ~SuperficieImmagine() override;
    SuperficieImmagine(const SuperficieImmagine&) = delete;
    SuperficieImmagine& operator=(const SuperficieImmagine&) = delete;

    // A new blank canvas of the given size; the old picture is dropped.
    void Ridimensiona(QSize dimensioni);
    // The finished picture.
    const QImage& Immagine();
    // Ends the current batch of drawing calls.
    void Chiudi();

    void Pulisci(ColoreRgb sfondo) override;
    void Linea(double x1, double y1, double x2, double y2, ColoreRgb colore, StileLinea stile) override;
    void Punto(double x, double y, ColoreRgb colore) override;
    void Cerchio(double x, double y, double raggio, ColoreRgb contorno, const ColoreRgb* riempimento,
                 StileLinea stile = StileLinea::Continuo) override;
    void Testo(double x, double y, const std::string& testo, ColoreRgb colore) override;

private:
    QPainter& Pittore();
    void Penna(ColoreRgb colore, StileLinea stile);
    bool LineaDiritta(double x1, double y1, double x2, double y2, QRgb colore);
    void Scarica();
    const QStaticText& TestoPronto(const std::string& testo);

    QImage immagine_;
    QPainter pittore_;
    uchar* pixel_ = nullptr;
    std::vector<QLineF> linee_;
    qsizetype rigaByte_ = 0;

    // Pens by colour and style, built once; the redraw switches between a
    // handful of them hundreds of times.
    std::vector<std::pair<uint32_t, QPen>> penne_;
    uint32_t pennaAttuale_ = UINT32_MAX;
    bool pennello_ = false;
    QColor colorePennello_;

    // Laid-out texts: tick values and letters repeat from one redraw to the next.
    std::unordered_map<std::string, QStaticText> testi_;
};

} // namespace vellora
