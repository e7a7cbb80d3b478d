#pragma once
// The dialogs port on screen: a modal message box titled "Vellora" over the
// active window.
#include "state/Dialoghi.h"

#include <QPointer>
#include <QWidget>

namespace vellora {

class DialoghiQt : public vellora::Dialoghi {
public:
    vellora::Risposta Messaggio(const std::string& testo, vellora::Icona icona,
                                vellora::Pulsanti pulsanti = vellora::Pulsanti::Ok) override;

    // The file dialog keeps the transformation buttons disabled while it is
    // shown and for 0,2 s after it closes, so that the click that closed it
    // cannot reach a button behind it; that wait repaints the windows and
    // takes no key or click. It opens in the working folder and makes the
    // chosen file's folder the working folder.
    std::optional<std::string> ScegliFile(const vellora::RichiestaFile& richiesta) override;

    // The side toolbar, once the main window exists.
    void ImpostaBarraLaterale(QWidget* barra) { barraLaterale_ = barra; }

private:
    QPointer<QWidget> barraLaterale_;
};

} // namespace vellora
