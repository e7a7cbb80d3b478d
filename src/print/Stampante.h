#pragma once
// The printer as the print layout sees it. Its unit is the twip (1/1440
// inch); x grows to the right and y downwards from the top-left corner of the
// printable area. The page orientation belongs to the printer, not to the
// dialog: whoever sets it last wins.
#include "state/Superficie.h"

#include <cstdint>
#include <string>

namespace vellora {

enum class Orientamento : uint8_t { Verticale = 1, Orizzontale = 2 };

class Stampante {
public:
    virtual ~Stampante() = default;

    virtual std::string NomeDispositivo() const = 0;
    virtual Orientamento LeggiOrientamento() const = 0;
    virtual void ImpostaOrientamento(Orientamento o) = 0;

    // A printer that writes a file (no printer installed) needs its name
    // before the first document.
    virtual bool ScriveFile() const { return false; }
    virtual void ImpostaFile(const std::string& /*percorso*/) {}

    // Starts one document (one print job) and gives its page, or nullptr
    // when the device refuses it.
    virtual Superficie* IniziaDocumento() = 0;
    // The printable area of the current orientation, in twips.
    virtual float LarghezzaStampabile() const = 0;
    virtual float AltezzaStampabile() const = 0;
    virtual void FineDocumento() = 0;
    // After the last document; false when what was sent could not be
    // completed (a file that could not be finished).
    virtual bool Conclude() { return true; }
    // Why the last Conclude failed, in Italian ("permesso negato"); empty
    // when the device does not say.
    virtual std::string Motivo() const { return {}; }
};

} // namespace vellora
