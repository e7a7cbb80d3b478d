#include "files/AccessoFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace vellora {

namespace {

struct ChiudiFile {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, ChiudiFile>;

std::error_code UltimoErrore()
{
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

// Writes everything and closes; the close is checked too, since a full disk
// may only show there.
std::error_code ScriviTutto(std::FILE* f, std::string_view testo)
{
    errno = 0;
    const bool scritto = std::fwrite(testo.data(), 1, testo.size(), f) == testo.size() && std::fflush(f) == 0;
    const std::error_code e = scritto ? std::error_code{} : UltimoErrore();
    errno = 0;
    if (std::fclose(f) != 0 && !e)
        return UltimoErrore();
    return e;
}

// A new file beside `destinazione`, created only if it did not exist, so that
// two saves never write into the same temporary.
File CreaTemporaneo(const fs::path& destinazione, fs::path& temporaneo, std::error_code& e)
{
    for (int i = 0; i < 100; ++i) {
        std::string nome = ".";
        nome += destinazione.filename().string();
        nome += ".salva";
        nome += std::to_string(i);
        temporaneo = destinazione;
        temporaneo.replace_filename(nome);
        errno = 0;
        if (std::FILE* f = std::fopen(temporaneo.c_str(), "wbx"))
            return File(f);
        if (errno != EEXIST) {
            e = UltimoErrore();
            return nullptr;
        }
    }
    e = std::make_error_code(std::errc::file_exists);
    return nullptr;
}

// The temporaries CreaTemporaneo makes for `destinazione`: "." + name +
// ".salva" + digits.
bool TemporaneoDi(const fs::path& file, const std::string& destinazione)
{
    const std::string nome = file.filename().string();
    const std::string prefisso = "." + destinazione + ".salva";
    return nome.size() > prefisso.size() && nome.compare(0, prefisso.size(), prefisso) == 0 &&
           nome.find_first_not_of("0123456789", prefisso.size()) == std::string::npos;
}

// What a save that was killed before its rename left beside the file. A
// save of the same file running at this very moment loses its temporary
// too: its rename then fails and it reports so, while the file holds the
// complete text this save wrote.
void RimuoviTemporaneiRimasti(const fs::path& destinazione)
{
    std::error_code e;
    const fs::path cartella = destinazione.has_parent_path() ? destinazione.parent_path() : fs::path(".");
    const std::string nome = destinazione.filename().string();
    for (fs::directory_iterator it(cartella, e), fine; !e && it != fine; it.increment(e)) {
        std::error_code ignora;
        if (TemporaneoDi(it->path(), nome) && it->is_regular_file(ignora))
            fs::remove(it->path(), ignora);
    }
}

} // namespace

std::string MotivoErrore(std::error_code e)
{
    if (e == std::errc::permission_denied || e == std::errc::operation_not_permitted)
        return "permesso negato";
    if (e == std::errc::no_such_file_or_directory)
        return "file o cartella inesistente";
    if (e == std::errc::read_only_file_system)
        return "disco di sola lettura";
    if (e == std::errc::no_space_on_device)
        return "spazio esaurito sul disco";
    if (e == std::errc::is_a_directory)
        return "è una cartella";
    if (e == std::errc::not_a_directory)
        return "percorso non valido";
    if (e == std::errc::filename_too_long)
        return "nome troppo lungo";
    return "errore di sistema " + std::to_string(e.value());
}

bool ScriviFileSicuro(const std::string& percorso, std::string_view testo, std::string& motivo)
{
    std::error_code e;
    // Through a link the file it points to is replaced, not the link.
    fs::path destinazione = percorso;
    if (fs::is_symlink(destinazione, e))
        destinazione = fs::weakly_canonical(destinazione, e);
    const bool esiste = fs::exists(destinazione, e);
    if (esiste) {
        errno = 0;
        // Opening for appending writes nothing; it only asks whether we may.
        if (!File(std::fopen(destinazione.c_str(), "ab"))) {
            motivo = MotivoErrore(UltimoErrore());
            return false;
        }
    }
    fs::path temporaneo;
    File f = CreaTemporaneo(destinazione, temporaneo, e);
    if (!f) {
        motivo = MotivoErrore(e);
        return false;
    }
    e = ScriviTutto(f.release(), testo);
    if (!e && esiste) {
        std::error_code ignora;
        fs::permissions(temporaneo, fs::status(destinazione, ignora).permissions(), ignora);
    }
    if (!e)
        fs::rename(temporaneo, destinazione, e);
    if (e) {
        std::error_code ignora;
        fs::remove(temporaneo, ignora);
        motivo = MotivoErrore(e);
        return false;
    }
    RimuoviTemporaneiRimasti(destinazione);
    return true;
}

bool LeggiFileIntero(const std::string& percorso, std::string& testo, std::string& motivo, std::uintmax_t limite)
{
    std::error_code e;
    const fs::file_status stato = fs::status(percorso, e);
    if (e || !fs::exists(stato)) {
        motivo = MotivoErrore(e ? e : std::make_error_code(std::errc::no_such_file_or_directory));
        return false;
    }
    if (fs::is_directory(stato)) {
        motivo = MotivoErrore(std::make_error_code(std::errc::is_a_directory));
        return false;
    }
    if (!fs::is_regular_file(stato)) {
        motivo = "non è un file regolare";
        return false;
    }
    const std::uintmax_t dimensione = fs::file_size(percorso, e);
    if (!e && dimensione > limite) {
        motivo = "file troppo grande";
        return false;
    }
    errno = 0;
    File f(std::fopen(percorso.c_str(), "rb"));
    if (!f) {
        motivo = MotivoErrore(UltimoErrore());
        return false;
    }
    testo.clear();
    if (!e)
        testo.reserve(static_cast<size_t>(dimensione));
    char blocco[8192];
    size_t letti = 0;
    errno = 0;
    // The size the system gave is checked again while reading: a file may
    // grow in between, and some files tell no size at all.
    while ((letti = std::fread(blocco, 1, sizeof blocco, f.get())) > 0) {
        if (testo.size() + letti > limite) {
            motivo = "file troppo grande";
            return false;
        }
        testo.append(blocco, letti);
    }
    if (std::ferror(f.get())) {
        motivo = MotivoErrore(UltimoErrore());
        return false;
    }
    return true;
}

bool EsisteFile(const std::string& percorso)
{
    std::error_code e;
    const fs::file_status stato = fs::status(percorso, e);
    if (percorso.empty() || e || !fs::exists(stato) || fs::is_directory(stato))
        return false;
    return !fs::is_regular_file(stato) || File(std::fopen(percorso.c_str(), "rb")) != nullptr;
}

std::string NomeDaPercorso(const std::string& percorso)
{
    const auto barra = percorso.find_last_of("/\\");
    return barra == std::string::npos ? percorso : percorso.substr(barra + 1);
}

} // namespace vellora
