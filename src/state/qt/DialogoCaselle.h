#pragma once
// A modal dialog whose text boxes mirror the texts of a core form object:
// before each command the boxes are copied into the form's texts, afterwards
// the dialog shows the texts the command left. The handlers stay a call.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLineEdit;

namespace vellora {

class DialogoCaselle : public QDialog {
    Q_OBJECT
public:
    void setVisible(bool visible) override;

protected:
    DialogoCaselle(const char* nome, const char* titolo, QWidget* parent);

    // At least as wide as the whole title, which the window bar writes in bold.
    void AdattaAlTitolo();
    // Runs `comando` between the copy of the boxes into `testi` and back.
    void Esegui(std::vector<std::string>& testi, const std::function<void()>& comando);
    // OK (chiudi) or Applica: `comando` says whether it was accepted; OK then
    // closes. A refusal leaves the box `errata` (when >= 0) focused and selected.
    void Conferma(std::vector<std::string>& testi, const int& errata, bool chiudi,
                  const std::function<bool()>& comando);

    // In the order of the form's texts.
    std::vector<QLineEdit*> caselle_;
};

} // namespace vellora
