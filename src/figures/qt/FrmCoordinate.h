#pragma once
// The window "Coordinate della figura" (FrmCoordinate): twenty rows of x and
// y over the core's ModuloCoordinate. Not modal: it stands in a panel at the
// right of the main window, so that the plane beside it stays usable. Enter
// is OK; Esc, Annulla and the panel's close box close it.
#include "figures/ModuloCoordinate.h"

#include <QDialog>
#include <array>
#include <memory>

class QLineEdit;
class QMainWindow;

namespace vellora {

class FrmCoordinate : public QDialog {
    Q_OBJECT
public:
    explicit FrmCoordinate(std::unique_ptr<ModuloCoordinate> modulo, QWidget* parent = nullptr);

    // However the window closes, the core gives the items back and the
    // panel goes, leaving the plane its whole width.
    void done(int risultato) override;

protected:
    bool eventFilter(QObject* oggetto, QEvent* e) override;

private:
    QLineEdit* Casella(int riga, bool y) const { return caselle_[static_cast<size_t>(2 * riga + (y ? 1 : 0))]; }
    // Runs a core command on the typed texts and shows the texts it leaves.
    template <typename Comando> void Esegui(Comando comando);
    void Conferma(bool chiudi);

    std::unique_ptr<ModuloCoordinate> modulo_;
    // TxtX(0), TxtY(0), TxtX(1), ...: the order of the core's Errata.
    std::array<QLineEdit*, 2 * RigheCoordinate> caselle_{};
};

// MnuFiguraCoordinate: opens the window beside the plane, when the core lets it.
void ApriFrmCoordinate(Programma& p, QMainWindow* principale);

} // namespace vellora
