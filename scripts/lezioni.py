#!/usr/bin/env python3
"""Writes the lessons of esempi/: for each one the drawing (.geo), the
comment for the pupil (.rtf), the macro that replays it with pauses (.mcr)
and the macro that undoes it (.inv.mcr). Run it after changing a lesson
here; the files are kept in git, so that building and installing the
program need no Python. The drawings follow the program's
own writer byte for byte (CR LF, 23 pairs a figure, the 18 settings)."""
import math
import os

CARTELLA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "esempi")

GRIGIO, VERDE, AZZURRO, ROSSO, VIOLA, GIALLO, BIANCO = 7, 10, 11, 12, 13, 14, 15


def numero(v):
    """A value as the program writes it: shortest digits of a single,
    no leading zero before the point."""
    v = float(f"{v:.7g}")
    if v == int(v):
        return str(int(v))
    t = f"{v:.7g}".rstrip("0")
    return t.replace("0.", ".", 1) if t.startswith(("0.", "-0.")) else t


def poligono(punti, colore, tratteggio=False):
    return {"punti": punti, "cerchio": False, "colore": colore, "tratto": 2 if tratteggio else 0}


def segmento(a, b):
    """An axis or a line of construction: grey and dashed."""
    return poligono([a, b], GRIGIO, True)


def cerchio(centro, punto, colore):
    return {"punti": [centro, punto], "cerchio": True, "colore": colore, "tratto": 0}


def regolare(n, centro, raggio, fase=90.0):
    cx, cy = centro
    return [(cx + raggio * math.cos(math.radians(fase + 360.0 * k / n)),
             cy + raggio * math.sin(math.radians(fase + 360.0 * k / n))) for k in range(n)]


def testo_disegno(figure, attiva, centro):
    righe = ["Disegno di Vellora", f" {len(figure)} "]
    for f in figure:
        coppie = [(len(f["punti"]), 1 if f["cerchio"] else 0)] + f["punti"]
        coppie += [(0, 0)] * (22 - len(coppie)) + [(f["colore"], f["tratto"])]
        righe += [f"{numero(x)},{numero(y)}" for x, y in coppie]
    # Selection, no vertex, grid of lines, range 12, scales 1, plane not
    # moved; the toolbar's steps as a new drawing has them, O where the
    # lesson's centre is.
    righe += [str(attiva), "0", "1", "12", "1", "1", "0", "0"]
    righe += ["1", "1", "10", "2", "2", "2", numero(centro[0]), numero(centro[1]), "1", "1"]
    return "".join(r + "\r\n" for r in righe)


def testo_macro(righe):
    return "".join(r + "\r\n" for r in ["Inizio macro"] + righe + ["Fine macro"])


def rtf(titolo, paragrafi):
    """Plain rich text: an Arial title in bold, then the paragraphs; the
    accented letters as \\'xx of Windows-1252, the others (the minus
    sign) as \\uN?."""
    def esc(t):
        out = []
        for c in t:
            if c in "\\{}":
                out.append("\\" + c)
            elif ord(c) < 128:
                out.append(c)
            else:
                try:
                    out.append("\\'%02x" % c.encode("cp1252")[0])
                except UnicodeEncodeError:
                    out.append("\\u%d?" % ord(c))
        return "".join(out)

    corpo = "\\b\\fs28 " + esc(titolo) + "\\b0\\fs22\\par\r\n"
    for p in paragrafi:
        if p.startswith("? "):
            corpo += "\\par\r\n\\i " + esc(p[2:]) + "\\i0\\par\r\n"
        else:
            corpo += "\\par\r\n" + esc(p) + "\\par\r\n"
    return ("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
            "\\f0\\fs22 " + corpo + "}\r\n")


# A transformation is followed by the automatic pause, and "Pausa" pauses
# when the user has turned it off; a selection or a deletion has neither, so
# it is held by a long pause of its own, as long as five of the usual ones.
FERMO = "PausaLunga, 1"

LEZIONI = []


def lezione(nome, figure, attiva, macro, inversa, titolo, paragrafi, centro=(0, 0)):
    LEZIONI.append((nome, figure, attiva, macro, inversa, titolo, paragrafi, centro))


# Every step works on a copy (Replica), so the inverse only deletes the
# copies, newest first, and leaves the drawing as it was opened.
def copie_inverse(prima, quante, attiva):
    righe = []
    for f in range(prima + quante - 1, prima - 1, -1):
        righe += [f"Figura attiva, {f}", "Elimina", FERMO]
    return righe[:-1] + [f"Figura attiva, {attiva}"]


bandiera = [(1, 1), (1, 5), (3, 4), (1, 3)]

lezione(
    "simmetrie_parallele",
    [segmento((3, -7), (3, 7)), segmento((6, -7), (6, 7)), poligono(bandiera, GIALLO)],
    3,
    ["Figura attiva, 3", FERMO, "Replica", "SimmetriaY, 3", "Pausa", "Replica", "SimmetriaY, 6", "Pausa"],
    copie_inverse(4, 2, 3),
    "Due simmetrie con assi paralleli",
    ["Nel disegno ci sono una bandierina gialla e due assi verticali tratteggiati: "
     "il primo è la retta x = 3, il secondo la retta x = 6. Gli assi distano 3 quadretti.",
     "Esegui la macro (pulsante Macro): Vellora copia la bandierina e la ribalta rispetto al primo asse, "
     "poi copia la bandierina ribaltata e la ribalta rispetto al secondo asse. A ogni pausa guarda "
     "dove sono finite le copie e come sono girate.",
     "Confronta la bandierina gialla con l'ultima copia: è ancora ribaltata? Di quanti quadretti si è "
     "spostata, e in quale direzione? Leggi le coordinate dei vertici con Ctrl+D.",
     "? Domanda: due simmetrie con assi paralleli danno una traslazione. Quanto è lunga la traslazione "
     "rispetto alla distanza tra gli assi? Che cosa succede se scambi l'ordine dei due assi?",
     "Con Maiusc+clic sul pulsante Macro la macro inversa cancella le copie e ti riporta al disegno iniziale."],
)

lezione(
    "simmetrie_incidenti",
    [segmento((-6, 1), (8, 1)), segmento((-5, -5), (7, 7)), poligono([(3, 2), (6, 2), (6, 4)], GIALLO),
     poligono([(1, 1)], ROSSO)],
    3,
    ["Figura attiva, 3", FERMO, "Replica", "SimmetriaX, 1", "Pausa", "Replica", "Simmetria, 1, 1, 2, 2",
     "Pausa", "Figura attiva, 3", "Replica", "Rotazione, 90, 1, 1", "Pausa"],
    copie_inverse(5, 3, 3),
    "Due simmetrie con assi incidenti",
    ["Gli assi tratteggiati si incontrano nel punto rosso O(1; 1): uno è orizzontale, l'altro è la "
     "bisettrice inclinata di 45°. Il triangolo giallo è tutto nello spicchio tra i due assi.",
     "Esegui la macro: Vellora ribalta una copia del triangolo rispetto all'asse orizzontale e poi "
     "ribalta la copia rispetto all'asse inclinato. Infine ruota di 90° attorno a O un'altra copia "
     "del triangolo giallo.",
     "Osserva l'ultima pausa: la copia ruotata va a coprire proprio la copia ottenuta con le due simmetrie.",
     "? Domanda: l'angolo tra i due assi è di 45°. Di quanti gradi è la rotazione che si ottiene? "
     "Qual è il suo centro? Che cosa cambierebbe con assi perpendicolari?"],
    (1, 1),
)

triangolo_o = [(2, 1), (5, 1), (2, 3)]
lezione(
    "simmetria_centrale",
    [poligono(triangolo_o, GIALLO)],
    1,
    ["Figura attiva, 1", FERMO, "Replica", "SimmetriaO, 0, 0", "Pausa", "Figura attiva, 1", "Replica",
     "Rotazione, 90, 0, 0", "Pausa", "Rotazione, 90, 0, 0", "Pausa"],
    copie_inverse(2, 2, 1),
    "La simmetria centrale è una rotazione di 180°",
    ["Il triangolo giallo sta nel primo quadrante; il centro di simmetria è l'origine O(0; 0).",
     "Esegui la macro: una copia del triangolo viene trasformata con la simmetria rispetto a O e "
     "finisce nel terzo quadrante. Poi un'altra copia gira attorno a O, 90° alla volta.",
     "Dopo due giri di 90° la copia ruotata coincide con quella della simmetria centrale. Controlla le "
     "coordinate con Ctrl+D: ogni vertice (x; y) è diventato (−x; −y).",
     "? Domanda: la simmetria centrale ribalta la figura come una simmetria assiale? Guarda l'ordine "
     "delle lettere A, B, C: gira nello stesso verso o nel verso opposto?"],
)

lezione(
    "omotetia_simili",
    [poligono([(1, 1), (3, 1), (1, 2)], GIALLO)],
    1,
    ["Figura attiva, 1", FERMO, "Replica", "Omotetia, 2, 0, 0", "Pausa", "Figura attiva, 1", "Replica",
     "Omotetia, 3, 0, 0", "Pausa"],
    copie_inverse(2, 2, 1),
    "Omotetia e triangoli simili",
    ["Il triangolo giallo ha i cateti lunghi 2 e 1. Il centro dell'omotetia è l'origine O.",
     "Esegui la macro: una copia viene ingrandita con rapporto 2, un'altra con rapporto 3. A ogni "
     "pausa seleziona le figure e leggi con Ctrl+D i lati, gli angoli e l'area.",
     "I tre triangoli hanno gli stessi angoli: sono simili. Completa la tabella sul quaderno: rapporto, "
     "lato più lungo, area.",
     "? Domanda: se i lati diventano 2 volte più lunghi, quante volte più grande diventa l'area? E con "
     "rapporto 3? Quale regola trovi tra il rapporto di omotetia e il rapporto delle aree?"],
)

esagono = regolare(6, (-5, -4), 2, 0)
lezione(
    "stiramenti",
    [poligono([(1, 1), (3, 1), (3, 3), (1, 3)], GIALLO), poligono(esagono, AZZURRO)],
    1,
    ["Figura attiva, 1", FERMO, "Replica", "StiramentoOr, 2, 1", "Pausa", "Figura attiva, 2", "Replica",
     "StiramentoVer, 2, -4", "Pausa", "StiramentoOr, 2, -5", "Pausa"],
    copie_inverse(3, 2, 1),
    "Che cosa fanno gli stiramenti",
    ["Nel disegno ci sono un quadrato giallo di lato 2 e un esagono regolare azzurro di lato 2.",
     "Esegui la macro: una copia del quadrato viene stirata in orizzontale con rapporto 2; una copia "
     "dell'esagono viene stirata prima in verticale e poi anche in orizzontale, sempre con rapporto 2.",
     "Dopo il primo stiramento il quadrato è ancora un quadrato? E l'esagono stirato in verticale ha "
     "ancora i lati tutti uguali? Misura con Ctrl+D i lati e gli angoli.",
     "? Domanda: dopo i due stiramenti l'esagono è tornato regolare. Con quale altra trasformazione "
     "avresti ottenuto la stessa figura? Di quanto è cresciuta l'area dopo ogni passo?"],
)

triangolo_eq = regolare(3, (-5, 3), 2)
quadrato = [(2, 1), (5, 1), (5, 4), (2, 4)]
pentagono = regolare(5, (-5, -4), 2)
esagono_r = regolare(6, (4, -4), 2)
# Each axis of the triangle from beyond a vertex, through the centre, to
# beyond the midpoint of the opposite side.
assi = [segmento((vx + (vx + 5) * 0.25, vy + (vy - 3) * 0.25), (-5 - (vx + 5) * 0.8, 3 - (vy - 3) * 0.8))
        for vx, vy in triangolo_eq]
assi += [segmento((3.5, 0), (3.5, 5)), segmento((1, 2.5), (6, 2.5)), segmento((1.5, 0.5), (5.5, 4.5)),
         segmento((1.5, 4.5), (5.5, 0.5))]
lezione(
    "assi_poligoni",
    [poligono(triangolo_eq, GIALLO), poligono(quadrato, ROSSO), poligono(pentagono, VERDE),
     poligono(esagono_r, AZZURRO)] + assi,
    1,
    ["Figura attiva, 1", FERMO, "Replica", "Simmetria, -5, 3, -5, 5", "Pausa", "Figura attiva, 2", FERMO,
     "Replica", "Simmetria, 3.5, 2.5, 5, 4", "Pausa", "Figura attiva, 3", FERMO, "Replica",
     "SimmetriaY, -5", "Pausa", "Figura attiva, 4", FERMO, "Replica", "SimmetriaX, -4", "Pausa"],
    copie_inverse(12, 4, 1),
    "Gli assi di simmetria dei poligoni regolari",
    ["Nel disegno ci sono un triangolo equilatero, un quadrato, un pentagono regolare e un esagono "
     "regolare. Per il triangolo e per il quadrato sono già tracciati gli assi di simmetria, tratteggiati.",
     "Esegui la macro: di ogni poligono viene fatta una copia, ribaltata rispetto a un suo asse. La copia "
     "cade esattamente sul poligono! Guarda però le lettere dei vertici: hanno cambiato posto.",
     "Conta gli assi del triangolo e quelli del quadrato. Poi cerca sul quaderno gli assi del pentagono "
     "e quelli dell'esagono: passano per i vertici, per i punti medi dei lati o per entrambi?",
     "? Domanda: quanti assi di simmetria ha un poligono regolare con n lati? E un cerchio?"],
)

lezione(
    "traslazione_vettore",
    [poligono([(1, 1), (4, 3)], ROSSO), poligono([(-5, -3), (-3, -3), (-4, -1)], GIALLO)],
    2,
    ["Figura attiva, 1", FERMO, "Figura attiva, 2", "Replica", "Traslazione, 3, 2", "Pausa", "Replica",
     "Traslazione, 3, 2", "Pausa", "Replica", "Traslazione, 3, 2", "Pausa"],
    copie_inverse(3, 3, 2),
    "La traslazione di vettore QR",
    ["Il segmento rosso va dal punto Q(1; 1) al punto R(4; 3): è il vettore della traslazione. Per andare "
     "da Q a R ci si sposta di 3 quadretti a destra e di 2 in alto.",
     "Esegui la macro: il triangolo giallo viene copiato e traslato di 3 a destra e 2 in alto, poi di "
     "nuovo, per tre volte.",
     "Unisci con il righello un vertice del triangolo giallo con lo stesso vertice delle copie: che cosa "
     "noti? I segmenti sono paralleli a QR e lunghi quanto QR?",
     "Nella finestra Impostazioni della traslazione puoi scegliere Q e R tra i punti della figura "
     "selezionata: prova con il segmento rosso.",
     "? Domanda: quali sono le coordinate dei vertici dell'ultima copia? Quale unica traslazione la porta "
     "direttamente al posto del triangolo giallo?"],
)

triangolo_c = [(-3, -1), (3, -1), (1, 3)]
lezione(
    "circocentro",
    [poligono(triangolo_c, GIALLO), cerchio((0, 0), (-3, -1), AZZURRO), segmento((0, -5), (0, 5)),
     segmento((-4, 4), (4, -4)), segmento((-6, -3), (6, 3))],
    1,
    ["Figura attiva, 1", FERMO, "Figura attiva, 3", FERMO, "Figura attiva, 4", FERMO, "Figura attiva, 5",
     FERMO, "Figura attiva, 1", "Replica", "Rotazione, 40, 0, 0", "Pausa", "Rotazione, 40, 0, 0", "Pausa"],
    copie_inverse(6, 1, 1),
    "La circonferenza per i tre vertici di un triangolo",
    ["Il triangolo giallo ha i vertici A(−3; −1), B(3; −1) e C(1; 3). Le rette tratteggiate sono gli assi "
     "dei suoi lati: ognuna passa per il punto medio di un lato ed è perpendicolare al lato.",
     "Esegui la macro: vengono selezionati il triangolo e poi uno alla volta i tre assi. Tutti e tre "
     "passano per lo stesso punto, l'origine: è il circocentro.",
     "La circonferenza azzurra ha centro nel circocentro e passa per A, B e C. Alla fine una copia del "
     "triangolo ruota attorno al circocentro: i suoi vertici restano sempre sulla circonferenza.",
     "? Domanda: quanto è lungo il raggio? Calcolalo con il teorema di Pitagora dalla distanza tra O e A, "
     "poi controlla con Ctrl+D. In quale triangolo il circocentro cade fuori dal triangolo?"],
)


# The drawing that came first has its comment only.
PITAGORA = (
    "Il teorema di Pitagora",
    ["Il triangolo giallo è rettangolo in A: i cateti sono lunghi 4 e 3, l'ipotenusa 5. Su ogni lato è "
     "costruito un quadrato: rosso, verde e azzurro.",
     "Seleziona i quadrati uno alla volta con le frecce della barra in basso e leggi la loro area con Ctrl+D.",
     "? Domanda: quanto fa la somma delle aree dei quadrati rosso e verde? La confronti con l'area del "
     "quadrato azzurro: che cosa scopri?"],
)


def scrivi(nome, testo, codifica="utf-8"):
    with open(os.path.join(CARTELLA, nome), "w", encoding=codifica, newline="") as f:
        f.write(testo)


for nome, figure, attiva, macro, inversa, titolo, paragrafi, centro in LEZIONI:
    scrivi(nome + ".geo", testo_disegno(figure, attiva, centro))
    scrivi(nome + ".mcr", testo_macro(macro))
    scrivi(nome + ".inv.mcr", testo_macro(inversa))
    scrivi(nome + ".rtf", rtf(titolo, paragrafi), "ascii")
scrivi("pitagora1.rtf", rtf(*PITAGORA), "ascii")
