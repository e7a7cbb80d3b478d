#pragma once
// A printer that records orientations, documents and files; each document's
// page is a recording surface. Its page turns with the orientation: 15000 x
// 10000 twips in landscape.
#include "Finti.h"
#include "print/Stampante.h"

#include <optional>

namespace vellora::test {

class StampanteFinta : public Stampante {
public:
    Orientamento orientamento = Orientamento::Verticale;
    bool scriveFile = false;
    bool rifiuta = false;
    std::vector<std::string> eventi; // "orientamento 1", "inizio", "fine", "conclude"
    std::vector<SuperficieRegistrata> documenti;
    std::optional<std::string> file;

    std::string NomeDispositivo() const override { return "Laser dell'aula"; }
    Orientamento LeggiOrientamento() const override { return orientamento; }
    void ImpostaOrientamento(Orientamento o) override
    {
        orientamento = o;
        eventi.push_back("orientamento " + std::to_string(static_cast<int>(o)));
    }
    bool ScriveFile() const override { return scriveFile; }
    void ImpostaFile(const std::string& percorso) override { file = percorso; }
    Superficie* IniziaDocumento() override
    {
        eventi.push_back("inizio");
        return rifiuta ? nullptr : &documenti.emplace_back();
    }
    float LarghezzaStampabile() const override { return orientamento == Orientamento::Orizzontale ? 15000 : 10000; }
    float AltezzaStampabile() const override { return orientamento == Orientamento::Orizzontale ? 10000 : 15000; }
    void FineDocumento() override { eventi.push_back("fine"); }
    bool Conclude() override
    {
        eventi.push_back("conclude");
        return true;
    }
};

} // namespace vellora::test
