#!/bin/sh
# A lesson of esempi/ from the command line: the drawing gives its data, the
# macro plays to the end without a message and changes the figures, and the
# inverse played on the result gives back the figures of the file.
# Usage: controlla_lezione.sh VELLORA DISEGNO.geo CARTELLA
set -u
vellora=$1 disegno=$2 cartella=$3
base=${disegno%.geo}
mkdir -p "$cartella"
figure() { # the header, the count and the figures' lines
  n=$(sed -n '2p' "$1" | tr -dc 0-9)
  head -n $((2 + 23 * n)) "$1"
}
"$vellora" --dati "$disegno" >/dev/null 2>&1 || { echo "il disegno non si apre"; exit 1; }
if [ -f "$base.mcr" ]; then
  uscita=$("$vellora" --macro "$base.mcr" --salva "$cartella/dopo.geo" "$disegno" 2>&1) ||
    { echo "macro: $uscita"; exit 1; }
  [ -z "$uscita" ] || { echo "macro: $uscita"; exit 1; }
  figure "$disegno" >"$cartella/prima.txt"
  figure "$cartella/dopo.geo" >"$cartella/dopo.txt"
  cmp -s "$cartella/prima.txt" "$cartella/dopo.txt" && { echo "la macro non cambia il disegno"; exit 1; }
  uscita=$("$vellora" --macro "$base.inv.mcr" --salva "$cartella/indietro.geo" "$cartella/dopo.geo" 2>&1) ||
    { echo "inversa: $uscita"; exit 1; }
  [ -z "$uscita" ] || { echo "inversa: $uscita"; exit 1; }
  figure "$cartella/indietro.geo" | cmp -s "$cartella/prima.txt" - || { echo "l'inversa non riporta al disegno"; exit 1; }
fi
echo "lezione in ordine"
