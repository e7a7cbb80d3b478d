#pragma once
// The plane window: a persistent canvas that only the redraw paints, the
// figure data panel along its right side and the hover label.
#include "plane/qt/SuperficieImmagine.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace vellora {

class Programma;

class FrmPiano : public QWidget {
    Q_OBJECT
public:
    explicit FrmPiano(Programma& p, QWidget* parent = nullptr);

    QPlainTextEdit* TxtDati() const { return txtDati_; }
    QLabel* LblServizio() const { return lblServizio_; }
    SuperficieImmagine& Schermo() { return superficie_; }

public slots:
    // Caption and data panel as the core last left them; repaints the canvas.
    void Aggiorna();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void DisponiDati();

    Programma& p_;
    SuperficieImmagine superficie_;
    QPlainTextEdit* txtDati_;
    QLabel* lblServizio_;
};

} // namespace vellora
