#pragma once
// The dialogs port on screen: a modal message box titled "Vellora" over the
// active window.
#include "model/Dialoghi.h"

namespace vellora {

class DialoghiQt : public vellora::Dialoghi {
public:
    vellora::Risposta Messaggio(const std::string& testo, vellora::Icona icona,
                                vellora::Pulsanti pulsanti = vellora::Pulsanti::Ok) override;
};

} // namespace vellora
