"""Checks a file exported by the command-line mode, with the standard library only.

    controlla_esportazione.py FILE.png WxH [X,Y=R,G,B ...]   size and pixels
    controlla_esportazione.py FILE.pdf PAGES                 number of pages
    controlla_esportazione.py FILE.svg WxH                   well-formed, of that size

Exit status 0 when everything matches; otherwise 1 and one line per mismatch.
"""
import re
import struct
import sys
import xml.etree.ElementTree as ET
import zlib


def pixel_png(dati):
    """Width, height and a function (x, y) -> (r, g, b) of an 8-bit RGB or RGBA PNG."""
    if dati[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("non è un PNG")
    pos, idat = 8, b""
    bit = colore = interlacciato = None
    while pos < len(dati):
        lunghezza, tipo = struct.unpack(">I4s", dati[pos:pos + 8])
        corpo = dati[pos + 8:pos + 8 + lunghezza]
        if tipo == b"IHDR":
            larghezza, altezza, bit, colore, _, _, interlacciato = struct.unpack(">IIBBBBB", corpo)
        elif tipo == b"IDAT":
            idat += corpo
        pos += 12 + lunghezza
    if bit != 8 or colore not in (2, 6) or interlacciato:
        raise ValueError(f"PNG non previsto: {bit} bit, colore {colore}, interlacciato {interlacciato}")
    passo = 3 if colore == 2 else 4
    grezzo, righe, prima = zlib.decompress(idat), [], bytearray(larghezza * passo)
    for y in range(altezza):
        inizio = y * (len(prima) + 1)
        filtro, riga = grezzo[inizio], bytearray(grezzo[inizio + 1:inizio + 1 + len(prima)])
        for i in range(len(riga)):
            a = riga[i - passo] if i >= passo else 0
            b, c = prima[i], prima[i - passo] if i >= passo else 0
            p = a + b - c
            previsto = [0, a, b, (a + b) // 2,
                        a if abs(p - a) <= abs(p - b) and abs(p - a) <= abs(p - c) else b if abs(p - b) <= abs(p - c) else c]
            riga[i] = (riga[i] + previsto[filtro]) & 0xFF
        righe.append(riga)
        prima = riga
    return larghezza, altezza, lambda x, y: tuple(righe[y][x * passo:x * passo + 3])


def controlla(file, attesi):
    with open(file, "rb") as f:
        dati = f.read()
    errori = []
    if file.endswith(".pdf"):
        pagine = len(re.findall(rb"/Type\s*/Page(?!s)", dati))
        if not dati.startswith(b"%PDF") or pagine != int(attesi[0]):
            errori.append(f"{file}: {pagine} pagine, attese {attesi[0]}")
        return errori
    if file.endswith(".svg"):
        radice = ET.fromstring(dati)
        w, h = attesi[0].split("x")
        trovato = (radice.tag, radice.get("width"), radice.get("height"), radice.get("viewBox"))
        if trovato != ("{http://www.w3.org/2000/svg}svg", w, h, f"0 0 {w} {h}"):
            errori.append(f"{file}: {trovato}, atteso un svg {attesi[0]}")
        return errori
    larghezza, altezza, pixel = pixel_png(dati)
    if f"{larghezza}x{altezza}" != attesi[0]:
        return [f"{file}: {larghezza}x{altezza}, atteso {attesi[0]}"]
    for atteso in attesi[1:]:
        punto, colore = atteso.split("=")
        x, y = map(int, punto.split(","))
        if pixel(x, y) != tuple(map(int, colore.split(","))):
            errori.append(f"{file}: il pixel {punto} è {pixel(x, y)}, atteso {colore}")
    return errori


if __name__ == "__main__":
    try:
        errori = controlla(sys.argv[1], sys.argv[2:])
    except (OSError, ValueError, IndexError, struct.error, zlib.error, ET.ParseError) as e:
        errori = [f"{sys.argv[1]}: {e}"]
    print("\n".join(errori) or "ok")
    sys.exit(1 if errori else 0)
