#pragma once
// The main window: the plane window in an MDI area, the menus, the side and
// bottom toolbars and the status bar. It owns the program state and shows
// what the core says after every command (the view port).
#include "state/Programma.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace vellora {

class FinestraCommentoQt;
class FrmPiano;
class FrmSplash;
class PompaQt;
class PulsanteLaterale;

class FrmPrinc : public QMainWindow, public Vista {
    Q_OBJECT
public:
    explicit FrmPrinc(Dialoghi& dialoghi, QWidget* parent = nullptr);
    ~FrmPrinc() override;

    Programma& StatoProgramma() { return p; }
    FrmPiano* Piano() const { return piano_; }
    FinestraCommentoQt* Commento() const { return commento_; }

    // The view port: every control mirrors the core's states and texts.
    void Aggiorna() override;

    // The title window, not modal: at start-up and as the about box.
    void MostraTitolo();

protected:
    void closeEvent(QCloseEvent* e) override;
    // The space bar while a macro plays (MenuMacro.cpp).
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // Construction (FrmPrinc.cpp, Barre.cpp).
    void CreaAzioni();
    void CreaMenu();
    void CreaBarraLaterale();
    void CreaBarraInferiore();
    void CreaStatusBar();
    QAction* Azione(Voce v) const { return azioni_[static_cast<size_t>(v)]; }

    // Handlers, one file per menu.
    // An action that runs one core command, after which the window shows
    // what the core now says (also when the command refused and said nothing).
    void Collega(Voce v, std::function<void(Programma&)> comando);
    void CollegaMenuFile();
    void CollegaMenuInserisci();
    void CollegaMenuMostra();
    void CollegaMenuInfo();
    void CollegaMenuModifica();
    void CollegaMenuImposta();
    void CollegaBarraLaterale();
    void CollegaMenuMacro();

    void MnuFileNuovo_Click();
    void MnuFileEsci_Click();
    void InserisciFigura(Voce v);
    void InserisciCerchio(Voce v);
    void MnuVisualizzaCalcolatrice_Click();
    void MostraGuida(const char* pagina);
    void MnuInfoInfo_Click();
    void ApriPaginaWeb(const char* indirizzo);

    Programma p;
    std::unique_ptr<PompaQt> pompa_; // p.pompa: the macro pauses
    FrmPiano* piano_ = nullptr;
    QMdiArea* area_ = nullptr;
    QMdiSubWindow* finestraPiano_ = nullptr;
    FinestraCommentoQt* commento_ = nullptr; // p.commento

    // Menu headers hold their QMenu's action, so that one table serves all.
    std::array<QAction*, NumeroVoci> azioni_{};
    std::array<QMenu*, NumeroVoci> menu_{};
    std::vector<PulsanteLaterale*> laterali_;
    QLineEdit* campoVertice_ = nullptr;
    QLineEdit* campoFigura_ = nullptr;
    std::array<QLabel*, 6> pannelli_{};
    QLabel* pannelloRegistrazione_ = nullptr;
    QLabel* avvisoPausa_ = nullptr;

    QPointer<FrmSplash> titolo_;
    qint64 pidCalcolatrice_ = 0;
};

} // namespace vellora
