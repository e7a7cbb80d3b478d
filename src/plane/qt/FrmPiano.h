#pragma once
// The plane window: a persistent canvas that only the redraw paints, the
// figure data panel along its right side and the hover label. Mouse events
// go to the core as they come; the window shows the label and pointer the
// core asks for.
#include "plane/qt/SuperficieImmagine.h"
#include "state/Superficie.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPlainTextEdit;

namespace vellora {

class Programma;
struct Servizio;

class FrmPiano : public QWidget {
    Q_OBJECT
public:
    explicit FrmPiano(Programma& p, QWidget* parent = nullptr);

    QPlainTextEdit* TxtDati();
    QLabel* LblServizio();
    // The canvas, drawn and current.
    SuperficieImmagine& Schermo();

    // What the close box asks: true lets the window close. The main window
    // gives it (closing the plane alone starts a new drawing); without it the
    // window stays.
    void SuChiusura(std::function<bool()> chiusura) { chiusura_ = std::move(chiusura); }

public slots:
    // Caption and data panel as the core last left them; repaints the canvas.
    void Aggiorna();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    std::function<bool()> chiusura_;
    void DisponiDati();
    void AggiornaDati();
    void MostraServizio(const Servizio& s);

    Programma& p_;
    SuperficieImmagine superficie_;
    SuperficieNulla senzaTela_;
    bool tela_ = false;
    QPlainTextEdit* txtDati_ = nullptr;
    QLabel* lblServizio_ = nullptr;
};

} // namespace vellora
