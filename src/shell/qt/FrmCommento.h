#pragma once
// The comment window "Commento" (FrmCommento): the drawing's comment as rich
// text, with bold, italic and underline, four colours, size steps, printing
// and F2 for the radical sign. It stands in the main window's MDI area beside
// the plane window; the core opens and closes it through FinestraCommentoQt.
#include "state/FinestraCommento.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QTextCharFormat;
class QTextEdit;
class QToolButton;

namespace vellora {

class Programma;

class FrmCommento : public QWidget {
    Q_OBJECT
public:
    explicit FrmCommento(Programma& p, QWidget* parent = nullptr);
    ~FrmCommento() override;

    QTextEdit* RichTextBox1() const { return testo_; }
    // Shows the text, caret at the start; from then on every change of the
    // text is reported to the core.
    void Carica(const TestoRicco& testo);
    // What the close box asks of the core; the window never closes itself.
    void SuChiusura(std::function<void()> chiusura) { chiusura_ = std::move(chiusura); }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* e) override;

private:
    // The styles of the selected text, or of the caret.
    std::vector<StileTesto> StiliSelezione() const;
    // The controls show the selection's size, toggles and colour.
    void MostraSelezione();
    void Applica(const QTextCharFormat& formato, bool alTesto = true);
    void Dimensione(bool piu);

    Programma& p_;
    std::function<void()> chiusura_;
    QTextEdit* testo_;
    QLineEdit* txtDim_;
    QToolButton* grassetto_;
    QToolButton* corsivo_;
    QToolButton* sottolineato_;
    std::array<QToolButton*, 4> tavolozza_{};
};

// The core's comment window port over an FrmCommento in the MDI area: the
// plane window leaves its maximised state for the left part of the area, the
// comment takes the right part, and they share it again when it is resized.
class FinestraCommentoQt : public QObject, public FinestraCommento {
    Q_OBJECT
public:
    FinestraCommentoQt(Programma& p, QMdiArea* area, QMdiSubWindow* piano, QObject* parent = nullptr);

    void Apri(const TestoRicco& testo) override;
    TestoRicco Testo() const override;
    void Chiudi() override;

    FrmCommento* Finestra() const { return finestra_; }

protected:
    bool eventFilter(QObject* oggetto, QEvent* e) override;

private:
    void Affianca();

    Programma& p_;
    QMdiArea* area_;
    QMdiSubWindow* piano_;
    QPointer<FrmCommento> finestra_;
    QPointer<QMdiSubWindow> sotto_;
};

} // namespace vellora
