#pragma once
// What the harnesses share: a program as the command-line mode runs it
// (messages into nothing, no window, no event pump), optionally with a canvas
// of the default area that draws nothing, so that every redraw still does its
// arithmetic; and the check that turns a broken promise into a crash the
// fuzzer keeps as an artifact.
#include "shell/Batch.h"
#include "state/Superficie.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string_view>

namespace vellora::fuzz {

struct Banco {
    std::ostream nulla{nullptr};
    DialoghiFlusso dialoghi{nulla};
    VistaAssente vista;
    SuperficieNulla schermo;
    Programma p{dialoghi, vista};
    explicit Banco(bool conSchermo)
    {
        if (conSchermo)
            p.ImpostaSchermo(&schermo, LarghezzaPredefinita, AltezzaPredefinita);
    }
};

inline std::string_view Testo(const uint8_t* dati, size_t n)
{
    return {reinterpret_cast<const char*>(dati), n};
}

inline void Verifica(bool vero, const char* promessa)
{
    if (!vero) {
        std::fprintf(stderr, "promessa mancata: %s\n", promessa);
        std::abort();
    }
}

} // namespace vellora::fuzz
