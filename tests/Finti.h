#pragma once
// Test doubles of the core's ports: dialogs that record every message and
// answer from a script, a view that counts refreshes, a surface that records
// every drawing call.
#include "state/Dialoghi.h"
#include "state/Programma.h"
#include "state/Superficie.h"
#include "state/Vista.h"

#include <deque>
#include <string>
#include <vector>

namespace vellora::test {

struct MessaggioRegistrato {
    std::string testo;
    Icona icona;
    Pulsanti pulsanti;
};

class DialoghiFinti : public Dialoghi {
public:
    std::vector<MessaggioRegistrato> messaggi;
    std::deque<Risposta> risposte; // answers in order; Ok / Si when empty
    std::vector<RichiestaFile> richiesteFile;
    std::deque<std::optional<std::string>> fileScelti; // answers of the file dialogs; cancel when empty

    std::optional<std::string> ScegliFile(const RichiestaFile& r) override
    {
        richiesteFile.push_back(r);
        if (fileScelti.empty())
            return std::nullopt;
        auto scelto = fileScelti.front();
        fileScelti.pop_front();
        return scelto;
    }

    Risposta Messaggio(const std::string& testo, Icona icona, Pulsanti pulsanti) override
    {
        messaggi.push_back({testo, icona, pulsanti});
        if (!risposte.empty()) {
            Risposta r = risposte.front();
            risposte.pop_front();
            return r;
        }
        return pulsanti == Pulsanti::Ok || pulsanti == Pulsanti::OkAnnulla ? Risposta::Ok : Risposta::Si;
    }
    // The texts shown, in order.
    std::vector<std::string> Testi() const
    {
        std::vector<std::string> r;
        for (const auto& m : messaggi)
            r.push_back(m.testo);
        return r;
    }
};

class VistaFinta : public Vista {
public:
    int aggiornamenti = 0;
    void Aggiorna() override { ++aggiornamenti; }
};

struct Operazione {
    enum Tipo { Pulisci, Linea, Punto, Cerchio, Testo } tipo;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Cerchio: x2 is the radius
    ColoreRgb colore{};
    StileLinea stile = StileLinea::Continuo;
    bool pieno = false; // Cerchio: interior filled
    std::string testo;
};

class SuperficieRegistrata : public Superficie {
public:
    std::vector<Operazione> operazioni;

    void Pulisci(ColoreRgb sfondo) override
    {
        operazioni.push_back({Operazione::Pulisci, 0, 0, 0, 0, sfondo, {}, false, {}});
    }
    void Linea(double x1, double y1, double x2, double y2, ColoreRgb c, StileLinea s) override
    {
        operazioni.push_back({Operazione::Linea, x1, y1, x2, y2, c, s, false, {}});
    }
    void Punto(double x, double y, ColoreRgb c) override
    {
        operazioni.push_back({Operazione::Punto, x, y, 0, 0, c, {}, false, {}});
    }
    void Cerchio(double x, double y, double r, ColoreRgb c, const ColoreRgb* riempimento,
                 StileLinea s = StileLinea::Continuo) override
    {
        operazioni.push_back({Operazione::Cerchio, x, y, r, 0, c, s, riempimento != nullptr, {}});
    }
    void Testo(double x, double y, const std::string& t, ColoreRgb c) override
    {
        operazioni.push_back({Operazione::Testo, x, y, 0, 0, c, StileLinea::Continuo, false, t});
    }

    std::vector<Operazione> DelTipo(Operazione::Tipo t) const
    {
        std::vector<Operazione> r;
        for (const auto& o : operazioni)
            if (o.tipo == t)
                r.push_back(o);
        return r;
    }
};

// A program with fake ports and an 800 x 500 drawing area.
struct Banco {
    DialoghiFinti dialoghi;
    VistaFinta vista;
    SuperficieRegistrata schermo;
    Programma p{dialoghi, vista};
    Banco() { p.ImpostaSchermo(&schermo, 800, 500); }
};

} // namespace vellora::test
