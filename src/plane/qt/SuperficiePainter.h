#pragma once
// The drawing surface over a QPainter on any paint device: a printer's page,
// a PDF page, and the base of the screen canvas. Coordinates are multiplied
// by a scale (twips to printer dots, 1 on the screen); lines are a fixed
// number of device dots wide, or the one-dot cosmetic line of the screen.
#include "state/Superficie.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <utility>
#include <vector>

class QPaintDevice;

namespace vellora {

class SuperficiePainter : public Superficie {
public:
    SuperficiePainter();
    ~SuperficiePainter() override;
    SuperficiePainter(const SuperficiePainter&) = delete;
    SuperficiePainter& operator=(const SuperficiePainter&) = delete;

    // Starts painting on the device. spessore: line width in device dots,
    // 0 for the thinnest line the device draws. False when the device
    // refuses the painter (a file that cannot be written).
    bool Inizia(QPaintDevice* dispositivo, double scala, double spessore, const QFont& carattere);
    // Sends the lines still waiting; the painter stays open.
    void Svuota();
    // Sends everything and ends the painter; false when the device could not
    // finish its output.
    bool Termina();

    void Pulisci(ColoreRgb sfondo) override;
    void Linea(double x1, double y1, double x2, double y2, ColoreRgb colore, StileLinea stile) override;
    void Punto(double x, double y, ColoreRgb colore) override;
    void Cerchio(double x, double y, double raggio, ColoreRgb contorno, const ColoreRgb* riempimento,
                 StileLinea stile = StileLinea::Continuo) override;
    void Testo(double x, double y, const std::string& testo, ColoreRgb colore) override;
    void ImpostaTratto(int fattore) override;
    int Tratto() const override { return tratto_; }

protected:
    // A painter that is not open is opened by Apri, which a surface owning
    // its device overrides; the base opens nothing.
    QPainter& Pittore()
    {
        if (!pittore_.isActive())
            Apri();
        return pittore_;
    }
    virtual void Apri() {}
    // Coordinates far outside any device only come from a damaged drawing;
    // the rasteriser is spared them instead of being asked to clip infinities.
    static bool Ragionevole(double v);
    static QRgb Rgb(ColoreRgb c) { return qRgb(c.r, c.g, c.b); }
    // Settings every painter of this surface starts with.
    void Prepara(double scala, double spessore, const QFont& carattere);
    void Penna(ColoreRgb colore, StileLinea stile);
    void Scarica();

    // The font of the stroke in use: the one Prepara was given, larger when
    // the stroke is thick.
    QFont Carattere() const;

    QPainter pittore_;
    // Sloping lines waiting to be sent in one call.
    std::vector<QLineF> linee_;
    int tratto_ = 1;

private:
    double scala_ = 1.0;
    double spessore_ = 0.0;
    double ascesa_ = 0.0;
    QFont caratterePiano_;

    // Pens by colour and style, built once; the redraw switches between a
    // handful of them hundreds of times.
    std::vector<std::pair<uint32_t, QPen>> penne_;
    uint32_t pennaAttuale_ = UINT32_MAX;
    bool pennello_ = false;
    QColor colorePennello_;
};

} // namespace vellora
