#pragma once
// The drawing surface on a persistent image: the plane window's canvas, and
// the picture an export takes. Drawing calls open one painter lazily and keep
// it for the whole redraw; reading the image closes it, so that what is read
// is complete and no painter outlives a resize.
#include "plane/Ridisegno.h"
#include "plane/qt/SuperficiePainter.h"

#include <QImage>
#include <QStaticText>
#include <string>
#include <unordered_map>

namespace vellora {

class SuperficieImmagine : public SuperficiePainter {
public:
    explicit SuperficieImmagine(QSize dimensioni = QSize(1, 1));
    ~SuperficieImmagine() override;

    // A new blank canvas of the given size; the old picture is dropped.
    void Ridimensiona(QSize dimensioni);
    // True from a resize until something is drawn or read.
    bool Vuota() const { return immagine_.isNull(); }
    // The finished picture.
    const QImage& Immagine();
    // Ends the current batch of drawing calls.
    void Chiudi();

    void Pulisci(ColoreRgb sfondo) override;
    void Linea(double x1, double y1, double x2, double y2, ColoreRgb colore, StileLinea stile) override;
    void Punto(double x, double y, ColoreRgb colore) override;
    void Testo(double x, double y, const std::string& testo, ColoreRgb colore) override;

protected:
    void Apri() override;

private:
    // Makes the canvas if there is none; true when it did.
    bool Tela(ColoreRgb sfondo = SfondoPiano);
    bool LineaDiritta(double x1, double y1, double x2, double y2, QRgb colore);
    const QStaticText& TestoPronto(const std::string& testo);

    QSize dimensioni_{1, 1};
    QImage immagine_;
    uchar* pixel_ = nullptr;
    qsizetype rigaByte_ = 0;
    QFont carattere_;

    // Laid-out texts: tick values and letters repeat from one redraw to the
    // next; the plain stroke's and the thick stroke's larger ones.
    std::unordered_map<std::string, QStaticText> testi_[2];
};

} // namespace vellora
