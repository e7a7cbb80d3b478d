#!/bin/sh
# Installs the build into a scratch DESTDIR under /usr, as the Debian package
# does, and checks that every file is in its place: the program with its help
# and examples beside it, the launcher on PATH, the desktop entry, the icons
# and the file types. Usage: controlla_installazione.sh CMAKE BUILD SOURCE
set -eu
cmake=$1 build=$2 sorgenti=$3
radice=$(mktemp -d)
trap 'rm -rf "$radice"' EXIT
DESTDIR=$radice "$cmake" --install "$build" --prefix /usr >/dev/null
u=$radice/usr
errori=0
manca() { echo "manca: $1"; errori=$((errori + 1)); }

[ -x "$u/lib/vellora/vellora" ] && [ -f "$u/lib/vellora/vellora" ] || manca lib/vellora/vellora
[ "$(readlink "$u/bin/vellora" 2>/dev/null)" = ../lib/vellora/vellora ] || manca "bin/vellora -> ../lib/vellora/vellora"
# The link resolves inside the tree and starts the program.
"$u/bin/vellora" --help >/dev/null 2>&1 || manca "bin/vellora che si avvia"
for d in aiuto esempi; do
  diff -r "$sorgenti/$d" "$u/lib/vellora/$d" >/dev/null 2>&1 || manca "lib/vellora/$d uguale a $d/"
done
# The help's pictures live one folder down: one of them, by name.
[ -s "$u/lib/vellora/aiuto/immagini/pitagora.png" ] || manca lib/vellora/aiuto/immagini/pitagora.png
for f in share/applications/vellora.desktop share/mime/packages/vellora.xml \
         share/icons/hicolor/scalable/apps/vellora.svg share/icons/hicolor/48x48/apps/vellora.png; do
  [ -s "$u/$f" ] || manca "$f"
done
grep -qx 'Exec=vellora %f' "$u/share/applications/vellora.desktop" 2>/dev/null || manca "Exec=vellora %f"
grep -qx 'MimeType=application/x-vellora-disegno;' "$u/share/applications/vellora.desktop" 2>/dev/null ||
  manca "MimeType=application/x-vellora-disegno;"
for tipo in disegno figura macro; do
  grep -q "type=\"application/x-vellora-$tipo\"" "$u/share/mime/packages/vellora.xml" 2>/dev/null || manca "tipo $tipo"
done
# A PNG of 48 x 48: the signature, then width and height in the IHDR chunk.
[ "$(od -An -tx1 -j16 -N8 "$u/share/icons/hicolor/48x48/apps/vellora.png" 2>/dev/null | tr -d ' \n')" = \
  0000003000000030 ] || manca "icona PNG di 48 x 48"
[ "$errori" = 0 ] && echo "installazione completa"
exit "$errori"
