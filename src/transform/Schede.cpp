#include "transform/Schede.h"

#include <iterator>

namespace vellora {

namespace {

using T = Trasformazione;
using C = Campo;

constexpr std::string_view OmotetiaNulla = "Il coefficiente di omotetia non può essere nullo";
constexpr std::string_view StiramentoNullo = "Il coefficiente di stiramento non può essere nullo";
// The horizontal stretch's Applica has always said it this way.
constexpr std::string_view StiramentoNulloApplica = "Il coefficiente di stirameto non può essere nullo";

constexpr const char* Predefinita = "P&redefinita";
constexpr const char* Predefinite = "P&redefinite";

constexpr CasellaScheda X(const char* etichetta = "Label1", const char* nome = "TxtXcentro", C c = C::CentroX)
{
    return {nome, etichetta, "&x=", c};
}
constexpr CasellaScheda Y(const char* etichetta = "Label2", const char* nome = "TxtYcentro", C c = C::CentroY)
{
    return {nome, etichetta, "&y=", c};
}

constexpr Elenco<Preimpostato, 5> Spostamenti = {
    {"Command1", "0,01", 0.01f}, {"Command2", "0,1", 0.1f}, {"Command3", "0,5", 0.5f}, {"Command4", "1", 1.0f}};
constexpr Elenco<Preimpostato, 5> Angoli = {{"Command1", "0,1°", 0.1f},
                                            {"Command2", "1°", 1.0f},
                                            {"Command3", "5°", 5.0f},
                                            {"Command4", "10°", 10.0f},
                                            {"Command5", "30°", 30.0f}};
constexpr Elenco<Preimpostato, 5> Coefficienti = {{"Coef0", "1,001", 1.001f},
                                                  {"Coef1", "1,01", 1.01f},
                                                  {"Coef2", "1,1", 1.1f},
                                                  {"Coef3", "1,5", 1.5f},
                                                  {"Coef4", "2", 2.0f}};

// A frame of point O (or of one of its coordinates) with every point button.
constexpr GruppoScheda CentroO(const char* nome, const char* titolo, Elenco<CasellaScheda, 2> caselle,
                               const char* predefinita, Segno segno = Segno::Nessuno,
                               const char* nomeOrigine = "CmdOrigine")
{
    return {.nome = nome,
            .titolo = titolo,
            .caselle = caselle,
            .selettori = true,
            .puntoMedio = true,
            .predefinita = predefinita,
            .nomePredefinita = "CmdPredefinite",
            .nomeOrigine = nomeOrigine,
            .segno = segno};
}

// A frame of the two translation components; `letta` says which ones are read.
constexpr GruppoScheda Componenti(const char* titolo, bool x, bool y, bool qr = false)
{
    return {.nome = "Frame1",
            .titolo = titolo,
            .caselle = {{"TxtTx", "Label1", "Comp. &Orizzontale =", C::TraslX, x},
                        {"TxtTy", "Label2", "Comp. &Verticale =", C::TraslY, y}},
            .preimpostati = Spostamenti,
            .traslazioneQR = qr};
}

constexpr GruppoScheda Coeff(const char* titolo, CasellaScheda casella)
{
    return {.nome = "Frame1", .titolo = titolo, .caselle = {casella}, .preimpostati = Coefficienti};
}

// A frame of the one coordinate of an axis of a stretch, with its long label.
constexpr GruppoScheda AsseStiramento(const char* nota, CasellaScheda casella, Segno segno)
{
    GruppoScheda g = CentroO("Frame2", "", {casella}, Predefinita, segno);
    g.nota = nota;
    g.nomeNota = "Label3";
    return g;
}

// In the dialog of the line OP each frame names its buttons with its digit.
constexpr GruppoScheda PuntoRetta(const char* nome, const char* titolo, Elenco<CasellaScheda, 2> caselle,
                                  const char* cifra, const char* nomePredefinita, const char* nomeOrigine, Segno segno)
{
    return {.nome = nome,
            .titolo = titolo,
            .caselle = caselle,
            .selettori = true,
            .suffisso = cifra,
            .predefinita = Predefinite,
            .nomePredefinita = nomePredefinita,
            .nomeOrigine = nomeOrigine,
            .segno = segno};
}

// clang-format off
constexpr Scheda Tabella[] = {
    {.tipo = T::Simm1, .nome = "FrmSimm1", .titolo = "Simmetria rispetto a un asse verticale",
     .gruppi = {CentroO("Frame1", "Ascissa di un  punto per cui passa l'asse verticale", {X()}, Predefinita,
                        Segno::AsseVerticale)}},
    {.tipo = T::Simm2, .nome = "FrmSimm2", .titolo = "Simmetria rispetto a un asse orizzontale",
     .gruppi = {CentroO("Frame1", "Ordinata di un  punto per cui passa l'asse orizzontale", {Y("Label1")},
                        Predefinita, Segno::AsseOrizzontale)}},
    {.tipo = T::Simm3, .nome = "FrmSimm3", .titolo = "Simmetria rispetto al punto O",
     .gruppi = {CentroO("Frame1", "Coordinate del punto O", {X(), Y()}, Predefinite)}},
    {.tipo = T::Simm4, .nome = "FrmSimmAsse", .titolo = "Simmetria rispetto alla retta OP",
     .gruppi = {PuntoRetta("Frame1", "Coordinate del punto O", {X(), Y()}, "1", "CmdPredefinite1", "CmdOrigine1",
                           Segno::Nessuno),
                PuntoRetta("Frame2", "Coordinate del punto P",
                           {X("Label3", "TxtPx", C::PuntoPX), Y("Label4", "TxtPy", C::PuntoPY)}, "2",
                           "CmdPredefinite2", "CmdOrigine2", Segno::PuntoP)}},
    {.tipo = T::Trasla1, .nome = "FrmTraslazioneOriz", .titolo = "Traslazione orizzontale",
     .gruppi = {Componenti("Componenti", true, false)}, .applica = false},
    {.tipo = T::Trasla2, .nome = "FrmTraslazioneVert", .titolo = "Traslazione verticale",
     .gruppi = {Componenti("Componenti", false, true)}, .applica = false},
    {.tipo = T::Trasla3, .nome = "FrmTraslazione", .titolo = "Traslazione",
     .gruppi = {Componenti("Componenti traslazione", true, true, true)}, .applica = false},
    {.tipo = T::Ruota, .nome = "FrmRotazione", .titolo = "Rotazione",
     .gruppi = {{.nome = "Frame1", .titolo = "Ampiezza della rotazione in gradi",
                 .caselle = {{"TxtAlfa", "Label1", "α=", C::AngoloRotazione}}, .preimpostati = Angoli},
                CentroO("Frame2", "Coordinate del centro di rotazione", {X("Label2"), Y("Label3")}, Predefinite,
                        Segno::Nessuno, "Command6")}},
    {.tipo = T::Omotetia, .nome = "FrmOmotetia", .titolo = "Omotetia",
     .gruppi = {Coeff("Coefficiente di omotetia", {"TxtCoefOmot", "Label1", "&r=", C::CoeffOmotetia}),
                CentroO("Frame2", "Coordinate del centro di omotetia", {X("Label2"), Y("Label3")}, Predefinite)},
     .nulloOk = OmotetiaNulla, .nulloApplica = OmotetiaNulla},
    {.tipo = T::Stir1, .nome = "FrmStir1", .titolo = "Stiramento orizzontale",
     .gruppi = {Coeff("Coefficiente di stiramento orizzontale", {"TxtCoefStir1", "Label1", "h=", C::StirOriz}),
                AsseStiramento("Ascissa di un punto per cui passa l'asse unito (verticale) dello stiramento",
                               X("Label2"), Segno::AsseVerticale)},
     .centroCerchio = false, .nulloOk = StiramentoNullo, .nulloApplica = StiramentoNulloApplica},
    {.tipo = T::Stir2, .nome = "FrmStir2", .titolo = "Stiramento verticale",
     .gruppi = {Coeff("Coefficiente di stiramento verticale", {"TxtCoefStir2", "Label1", "&k=", C::StirVert}),
                AsseStiramento("Ordinata di un punto per cui passa l'asse unito (orizzontale) dello stiramento",
                               Y("Label2"), Segno::AsseOrizzontale)},
     .centroCerchio = false, .nulloOk = StiramentoNullo, .nulloApplica = StiramentoNullo},
};
// clang-format on
static_assert(std::size(Tabella) == static_cast<size_t>(T::Stir2) + 1, "one dialog per transformation");

} // namespace

const Scheda& SchedaDi(Trasformazione t)
{
    return Tabella[static_cast<size_t>(t)];
}

} // namespace vellora
