#include "files/Recenti.h"

#include "files/AccessoFile.h"

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace vellora {

namespace {

// Two paths; whatever is larger is not this program's file.
constexpr std::uintmax_t LimiteRecenti = 64 * 1024;

// The line that starts at `inizio`, without its CR LF or LF; `inizio` moves
// past it.
std::string Riga(std::string_view testo, size_t& inizio)
{
    if (inizio >= testo.size())
        return {};
    size_t fine = testo.find('\n', inizio);
    if (fine == std::string_view::npos)
        fine = testo.size();
    std::string_view riga = testo.substr(inizio, fine - inizio);
    if (!riga.empty() && riga.back() == '\r')
        riga.remove_suffix(1);
    inizio = fine + 1;
    return std::string(riga);
}

bool FinisceInGeo(std::string nome)
{
    if (nome.size() < 4)
        return false;
    nome = nome.substr(nome.size() - 4);
    for (char& c : nome)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return nome == ".geo";
}

} // namespace

std::optional<Recenti> LeggiRecenti(const std::string& percorso)
{
    std::string testo, motivo;
    if (!LeggiFileIntero(percorso, testo, motivo, LimiteRecenti))
        return std::nullopt;
    Recenti r;
    size_t inizio = 0;
    r.UltimoDisegno = Riga(testo, inizio);
    r.Cartella = Riga(testo, inizio);
    return r;
}

bool ScriviRecenti(const std::string& percorso, const Recenti& r)
{
    const std::string testo = r.UltimoDisegno + "\r\n" + r.Cartella + "\r\n";
    // Most sessions end where they began: a list that has not changed is not
    // written again, which spares the disk (often a school's network home) a
    // write and a rename at every close.
    std::string scritto, motivo;
    if (LeggiFileIntero(percorso, scritto, motivo, LimiteRecenti) && scritto == testo)
        return true;
    return ScriviFileSicuro(percorso, testo, motivo);
}

bool ContieneDisegni(const std::string& cartella)
{
    std::error_code e;
    for (fs::directory_iterator it(cartella, e), fine; !e && it != fine; it.increment(e)) {
        std::error_code ignora;
        if (FinisceInGeo(it->path().filename().string()) && it->is_regular_file(ignora))
            return true;
    }
    return false;
}

} // namespace vellora
