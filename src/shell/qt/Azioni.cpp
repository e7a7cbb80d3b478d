#include "shell/qt/Azioni.h"

#include "transform/Descrittori.h"

#include <algorithm>
#include <array>

namespace vellora {

namespace {

constexpr Voce Barra = Voce::Conteggio;

const char* const SuggerimentoColore = "Applica il colore alla figura attiva";
const char* const SuggerimentoPiano = "Traslazione del piano";
const char* const SuggerimentoVertice = "Seleziona un vertice o la figura";

using T = Trasformazione;

// The button of a transformation, with the tooltip of its row.
DefinizioneAzione Pulsante(Trasformazione t, bool separatorePrima)
{
    const Descrittore& d = DescrittoreDi(t);
    return {d.pulsante, Posto::Laterale, Barra, "", "", d.suggerimento, separatorePrima};
}

// The item of Imposta > Trasformazione that opens the settings of a transformation.
DefinizioneAzione Impostazione(Trasformazione t, const char* didascalia, bool separatorePrima)
{
    const Voce voce = DescrittoreDi(t).impostazioni;
    return {voce, Posto::Comando, Voce::MnuImpostazioniTrasf, didascalia, "", "", separatorePrima};
}

// clang-format off
const DefinizioneAzione Tabella[] = {
    {Voce::MnuFile, Posto::Menu, Barra, "&File", "", "", false},
    {Voce::MnuFileNuovo, Posto::Comando, Voce::MnuFile, "&Nuovo disegno", "", "", false},
    {Voce::MnuFileApri, Posto::Comando, Voce::MnuFile, "&Apri disegno", "F6", "", true},
    {Voce::MnuFileSalva, Posto::Comando, Voce::MnuFile, "&Salva disegno", "F4", "", false},
    {Voce::MnuFileSalvaNome, Posto::Comando, Voce::MnuFile, "Salva &disegno con nome", "", "", false},
    {Voce::MnuFileSalvaFiguraNome, Posto::Comando, Voce::MnuFile, "Salva &figura con nome", "", "", false},
    {Voce::MnuFileSalvaBitmap, Posto::Comando, Voce::MnuFile, "Salva &bitmap", "", "", true},
    {Voce::MnuFileClipboard, Posto::Comando, Voce::MnuFile, "Salva bitmap negli A&ppunti", "", "", false},
    {Voce::MnuFileStampa, Posto::Comando, Voce::MnuFile, "S&tampa disegno", "", "", true},
    {Voce::MnuFileUltimoDisegno, Posto::Comando, Voce::MnuFile, "Apri &ultimo disegno", "F7", "", true},
    {Voce::MnuFileEsci, Posto::Comando, Voce::MnuFile, "&Esci", "", "", true},

    {Voce::MnuModifica, Posto::Menu, Barra, "&Modifica", "", "", false},
    {Voce::MnuModificaAnnulla, Posto::Comando, Voce::MnuModifica, "&Annulla", "Ctrl+Z", "", false},
    {Voce::MnuModificaRipeti, Posto::Comando, Voce::MnuModifica, "&Ripeti", "Ctrl+Y", "", false},
    {Voce::MnuModificaElimina, Posto::Comando, Voce::MnuModifica, "&Elimina", "F5", "", true},

    {Voce::MnuFigura, Posto::Menu, Barra, "&Inserisci", "", "", false},
    {Voce::MnuFiguraMenu, Posto::Menu, Voce::MnuFigura, "Figura da &menu", "", "", false},
    {Voce::MnuFiguraMenuPunto, Posto::Comando, Voce::MnuFiguraMenu, "&Punto", "", "", false},
    {Voce::MnuFiguraMenuSegmento, Posto::Comando, Voce::MnuFiguraMenu, "&Segmento", "", "", false},
    {Voce::MnuFiguraMenuTriangoli, Posto::Menu, Voce::MnuFiguraMenu, "&Triangoli", "", "", true},
    {Voce::MnuFiguraMenuTriangoliRett, Posto::Comando, Voce::MnuFiguraMenuTriangoli, "Triangolo &rettangolo", "", "", false},
    {Voce::MnuFiguraMenuTriangoliRett1, Posto::Comando, Voce::MnuFiguraMenuTriangoli, "Triangolo &rettangolo (30°, 60°)", "", "", false},
    {Voce::MnuFiguraMenuTriangoliIsoscele, Posto::Comando, Voce::MnuFiguraMenuTriangoli, "Triangolo &isoscele (80°, 50°, 80°)", "", "", false},
    {Voce::MnuFiguraMenuTriangoliEqui, Posto::Comando, Voce::MnuFiguraMenuTriangoli, "Triangolo &equilatero", "", "", false},
    {Voce::MnuFiguraMenuQuadrilateri, Posto::Menu, Voce::MnuFiguraMenu, "&Quadrilateri", "", "", false},
    {Voce::MnuFiguraMenuQuadrilateriQuadrato, Posto::Comando, Voce::MnuFiguraMenuQuadrilateri, "&Quadrato", "", "", false},
    {Voce::MnuFiguraMenuQuadrilateriRettangolo, Posto::Comando, Voce::MnuFiguraMenuQuadrilateri, "&Rettangolo", "", "", false},
    {Voce::MnuFiguraMenuQuadrilateriRombo, Posto::Comando, Voce::MnuFiguraMenuQuadrilateri, "&Rombo", "", "", false},
    {Voce::MnuFiguraMenuQuadrilateriParallelogramma, Posto::Comando, Voce::MnuFiguraMenuQuadrilateri, "&Parallelogramma", "", "", false},
    {Voce::MnuFiguraMenuQuadrilateriTrapezio, Posto::Comando, Voce::MnuFiguraMenuQuadrilateri, "&Trapezio isoscele", "", "", false},
    {Voce::MnuFiguraMenuPentagoni, Posto::Menu, Voce::MnuFiguraMenu, "&Pentagoni", "", "", true},
    {Voce::MnuFiguraMenuPentagoniRegolare, Posto::Comando, Voce::MnuFiguraMenuPentagoni, "&Pentagono regolare", "", "", false},
    {Voce::MnuFiguraMenuEsagoni, Posto::Menu, Voce::MnuFiguraMenu, "&Esagoni", "", "", false},
    {Voce::MnuFiguraMenuEsagoniRegolare, Posto::Comando, Voce::MnuFiguraMenuEsagoni, "&Esagono regolare", "", "", false},
    {Voce::MnuFiguraMenuEttagoni, Posto::Menu, Voce::MnuFiguraMenu, "&Ettagoni", "", "", false},
    {Voce::MnuFiguraMenuEttagoniRegolare, Posto::Comando, Voce::MnuFiguraMenuEttagoni, "&Ettagono regolare", "", "", false},
    {Voce::MnuFiguraMenuOttagoni, Posto::Menu, Voce::MnuFiguraMenu, "&Ottagoni", "", "", false},
    {Voce::MnuFiguraMenuOttagoniRegolare, Posto::Comando, Voce::MnuFiguraMenuOttagoni, "&Ottagono regolare", "", "", false},
    {Voce::MnuFiguraMenuEnnagoni, Posto::Menu, Voce::MnuFiguraMenu, "&Ennagoni", "", "", false},
    {Voce::MnuFiguraMenuEnnagoniRegolare, Posto::Comando, Voce::MnuFiguraMenuEnnagoni, "&Ennagono regolare", "", "", false},
    {Voce::MnuFiguraMenuDecagoni, Posto::Menu, Voce::MnuFiguraMenu, "&Decagoni", "", "", false},
    {Voce::MnuFiguraMenuDecagoniRegolare, Posto::Comando, Voce::MnuFiguraMenuDecagoni, "&Decagono regolare", "", "", false},
    {Voce::MnuFiguraMenuUndecagoni, Posto::Menu, Voce::MnuFiguraMenu, "&Undecagoni", "", "", false},
    {Voce::MnuFiguraMenuUndecagoniRegolare, Posto::Comando, Voce::MnuFiguraMenuUndecagoni, "&Undecagono regolare", "", "", false},
    {Voce::MnuFiguraMenuDodecagoni, Posto::Menu, Voce::MnuFiguraMenu, "&Dodecagoni", "", "", false},
    {Voce::MnuFiguraMenuDodecagoniRegolare, Posto::Comando, Voce::MnuFiguraMenuDodecagoni, "&Dodecagono regolare", "", "", false},
    {Voce::MnuFiguraFile, Posto::Comando, Voce::MnuFigura, "Figura da &file", "", "", false},
    {Voce::MnuFiguraCoordinate, Posto::Comando, Voce::MnuFigura, "Figura mediante &coordinate", "", "", false},
    {Voce::MnuCerchio, Posto::Menu, Voce::MnuFigura, "Ci&rconferenza", "", "", false},
    {Voce::MnuFiguraCerchio2, Posto::Comando, Voce::MnuCerchio, "Di dato centro e dato &raggio", "", "", false},
    {Voce::MnuFiguraCerchio, Posto::Comando, Voce::MnuCerchio, "Di dato centro, passante per un &punto dato", "", "", false},
    {Voce::MnuFiguraCerchio1, Posto::Comando, Voce::MnuCerchio, "Passante per &tre punti", "", "", false},
    {Voce::MnuFiguraReplica, Posto::Comando, Voce::MnuFigura, "Re&plica della figura selezionata", "F2", "", true},

    {Voce::MnuImpostazioni, Posto::Menu, Barra, "Im&posta", "", "", false},
    {Voce::MnuImpostazioniRange, Posto::Comando, Voce::MnuImpostazioni, "&Range", "Ctrl+N", "", false},
    {Voce::MnuImpostazioniScala, Posto::Comando, Voce::MnuImpostazioni, "&Scala", "Ctrl+S", "", false},
    {Voce::MnuImpostazioniTrasf, Posto::Menu, Voce::MnuImpostazioni, "&Trasformazione", "", "", true},
    Impostazione(T::Trasla1, "Traslazione &orizzontale", false),
    Impostazione(T::Trasla2, "Traslazione &verticale", false),
    Impostazione(T::Trasla3, "&Traslazione generica", false),
    Impostazione(T::Ruota, "&Rotazione", true),
    Impostazione(T::Simm2, "Simmetria rispetto a un asse ori&zzontale", true),
    Impostazione(T::Simm1, "Simmetria rispetto a un asse verti&cale", false),
    Impostazione(T::Simm3, "Simmetria rispetto a un &punto O", false),
    Impostazione(T::Simm4, "&Simmetria rispetto a una retta generica", false),
    Impostazione(T::Omotetia, "O&motetia", true),
    Impostazione(T::Stir1, "Stiram&ento orizzontale", true),
    Impostazione(T::Stir2, "Stirame&nto verticale", false),

    {Voce::MnuVisualizza, Posto::Menu, Barra, "M&ostra", "", "", false},
    {Voce::MnuVisualizzaDati, Posto::Comando, Voce::MnuVisualizza, "&Dati figura selezionata", "Ctrl+D", "", false},
    {Voce::MnuVisualizzaCommento, Posto::Comando, Voce::MnuVisualizza, "&Commento", "", "", false},
    {Voce::MnuVisualizzaRighello, Posto::Comando, Voce::MnuVisualizza, "&Righello", "Ctrl+R", "", true},
    {Voce::MnuVisualizzaAssiSimm, Posto::Comando, Voce::MnuVisualizza, "&Assi per O", "Ctrl+A", "", false},
    {Voce::MnuVisualizzaTrattoSpesso, Posto::Comando, Voce::MnuVisualizza, "&Tratto spesso", "", "", false},
    {Voce::MnuVisualizzaCalcolatrice, Posto::Comando, Voce::MnuVisualizza, "Apri Ca&lcolatrice", "", "", true},

    {Voce::MnuMacro, Posto::Menu, Barra, "Mac&ro", "", "", false},
    {Voce::MnuMacroApri, Posto::Comando, Voce::MnuMacro, "&Apri macro", "", "", false},
    {Voce::MnuMacroEsegui, Posto::Comando, Voce::MnuMacro, "&Esegui macro", "", "", false},
    {Voce::MnuMacroInterrompi, Posto::Comando, Voce::MnuMacro, "&Interrompi", "Ctrl+I", "", false},
    {Voce::MnuMacroInizio, Posto::Comando, Voce::MnuMacro, "Inizia &registrazione macro", "", "", true},
    {Voce::MnuMacroFine, Posto::Comando, Voce::MnuMacro, "&Termina registrazione macro", "", "", false},
    {Voce::MnuMacroInserisciPausa, Posto::Comando, Voce::MnuMacro, "Inserisci &pausa", "F3", "", false},
    {Voce::MnuMacroEdita, Posto::Comando, Voce::MnuMacro, "E&dita macro", "", "", true},
    {Voce::MnuMacroImpostaPausa, Posto::Comando, Voce::MnuMacro, "Impo&sta pausa", "Ctrl+P", "", false},

    {Voce::MnuInfo, Posto::Menu, Barra, "&?", "", "", false},
    {Voce::MnuInfoGuida, Posto::Comando, Voce::MnuInfo, "&Guida a Vellora", "F1", "", false},
    {Voce::MnuInfoGuidaEsempi, Posto::Comando, Voce::MnuInfo, "Guida agli &esempi", "", "", false},
    {Voce::MnuInfoInfo, Posto::Comando, Voce::MnuInfo, "&Informazioni su Vellora", "", "", true},
    {Voce::MnuInfoWeb, Posto::Menu, Voce::MnuInfo, "Informazioni in linea sul &Web", "", "", true},
    {Voce::MnuInfoWebVellora, Posto::Comando, Voce::MnuInfoWeb, "&Vellora", "", "", false},
    {Voce::MnuInfoWebCorvane, Posto::Comando, Voce::MnuInfoWeb, "La &Corvane Editrice", "", "", false},
    {Voce::MnuInfoWebAutore, Posto::Comando, Voce::MnuInfoWeb, "Home page dell'&autore", "", "", false},

    Pulsante(T::Stir2, false),
    Pulsante(T::Stir1, false),
    Pulsante(T::Omotetia, true),
    Pulsante(T::Simm4, true),
    Pulsante(T::Simm3, false),
    Pulsante(T::Simm2, false),
    Pulsante(T::Simm1, false),
    Pulsante(T::Ruota, true),
    Pulsante(T::Trasla3, true),
    Pulsante(T::Trasla2, false),
    Pulsante(T::Trasla1, false),
    {Voce::Macro, Posto::Laterale, Barra, "", "", "Esegue una macro; attualmente non è attiva alcuna macro", true},

    {Voce::CmdElimina, Posto::Inferiore, Barra, "", "", "Elimina la figura selezionata", false},
    {Voce::CmdReplica, Posto::Inferiore, Barra, "", "", "Crea una replica della figura selezionata (sovrapposta)", false},
    {Voce::TavolozzaFigure0, Posto::Inferiore, Barra, "", "", SuggerimentoColore, true},
    {Voce::TavolozzaFigure1, Posto::Inferiore, Barra, "", "", SuggerimentoColore, false},
    {Voce::TavolozzaFigure2, Posto::Inferiore, Barra, "", "", SuggerimentoColore, false},
    {Voce::TavolozzaFigure3, Posto::Inferiore, Barra, "", "", SuggerimentoColore, false},
    {Voce::TavolozzaFigure4, Posto::Inferiore, Barra, "", "", SuggerimentoColore, false},
    {Voce::TavolozzaFigure5, Posto::Inferiore, Barra, "", "", SuggerimentoColore, false},
    {Voce::TavolozzaFigure6, Posto::Inferiore, Barra, "", "", SuggerimentoColore, false},
    {Voce::TavolozzaFigure7, Posto::Inferiore, Barra, "", "", " Applica o toglie il tratteggio alla figura attiva", false},
    {Voce::VerticeAvanti, Posto::Inferiore, Barra, "", "", SuggerimentoVertice, true},
    {Voce::VerticeIndietro, Posto::Inferiore, Barra, "", "", SuggerimentoVertice, false},
    {Voce::FigIndietro, Posto::Inferiore, Barra, "", "", "Seleziona la figura precedente", true},
    {Voce::FigAvanti, Posto::Inferiore, Barra, "", "", "Seleziona la figura successiva", false},
    {Voce::PrimoQuadrante, Posto::Inferiore, Barra, "", "", "Primo quadrante", true},
    {Voce::SecondoQuadrante, Posto::Inferiore, Barra, "", "", "Secondo quadrante", false},
    {Voce::TerzoQuadrante, Posto::Inferiore, Barra, "", "", "Terzo quadrante", false},
    {Voce::QuartoQuadrante, Posto::Inferiore, Barra, "", "", "Quarto quadrante", false},
    {Voce::ResettaPiano, Posto::Inferiore, Barra, "", "", "I quattro quadranti", false},
    {Voce::TraslaPiano1, Posto::Inferiore, Barra, "", "", SuggerimentoPiano, true},
    {Voce::TraslaPiano2, Posto::Inferiore, Barra, "", "", SuggerimentoPiano, false},
    {Voce::TraslaPiano3, Posto::Inferiore, Barra, "", "", SuggerimentoPiano, false},
    {Voce::TraslaPiano4, Posto::Inferiore, Barra, "", "", SuggerimentoPiano, false},
};
// clang-format on

static_assert(std::size(Tabella) == vellora::NumeroVoci, "every control has exactly one row");

std::array<const DefinizioneAzione*, vellora::NumeroVoci> IndicePerVoce()
{
    std::array<const DefinizioneAzione*, vellora::NumeroVoci> indice{};
    for (const auto& d : Tabella)
        indice[static_cast<size_t>(d.voce)] = &d;
    return indice;
}

} // namespace

std::span<const DefinizioneAzione> TabellaAzioni()
{
    return Tabella;
}

const DefinizioneAzione& DefinizioneDi(Voce v)
{
    static const auto indice = IndicePerVoce();
    return *indice[static_cast<size_t>(v)];
}

bool VoceConSpunta(Voce v)
{
    return v == Voce::MnuVisualizzaDati || v == Voce::MnuVisualizzaCommento || v == Voce::MnuVisualizzaRighello ||
           v == Voce::MnuVisualizzaAssiSimm || v == Voce::MnuVisualizzaTrattoSpesso;
}

} // namespace vellora
