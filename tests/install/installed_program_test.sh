#!/bin/sh
# The program installed into a prefix of its own, as a user with fresh folders of their own
# starts it from the file manager: with a risk assessment to open. The installed program
# writes only into the user's folders, and it opens the document, which takes the
# document's write lock (its write permission bits go while it is open).
# Usage: installed_program_test.sh CMAKE BUILD_FOLDER DATA_FOLDER TOOLS_FOLDER (the last two
# relative to the prefix)
set -eu
cmake=$1
build=$2
data=$3
tools=$4
work=$(mktemp -d)
program=
cleanup() {
    [ -z "$program" ] || kill "$program" 2>/dev/null || true
    chmod -R u+w "$work"
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null
# What the program reads from the install, and what the desktop reads.
for file in "$data/ZAGROZENIA.txt" "$data/TARVEN.qch" "$data/KELPOR/karta5.html" "$tools/halas.so" \
    "$tools/drgania.so" "$tools/chemia.so" "$tools/transport.so" \
    share/applications/ocena-ryzyka.desktop share/mime/packages/ocena-ryzyka.xml \
    share/icons/hicolor/scalable/apps/ocena-ryzyka.svg \
    share/icons/hicolor/scalable/mimetypes/application-x-ocena-ryzyka-projekt.svg \
    share/icons/hicolor/scalable/mimetypes/application-x-ocena-ryzyka-ocena.svg; do
    [ -f "$work/prefix/$file" ] || fail "the install has no $file"
done
# The folders of an install belong to root: the user may not write into them.
chmod -R a-w "$work/prefix"

export QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_CACHE_HOME="$work/home/.cache" XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME/dokumenty"
mkdir -m 700 "$XDG_RUNTIME_DIR"
document="$HOME/dokumenty/OCENA.ron"
printf '[OPIS]\r\nMetoda=PHA\r\n' >"$document"

"$work/prefix/bin/ocena-ryzyka" "$document" &
program=$!
tries=0
while [ -n "$(find "$document" -perm -u+w)" ]; do
    kill -0 "$program" 2>/dev/null || fail "the installed program ended before it opened $document"
    tries=$((tries + 1))
    [ "$tries" -le 400 ] || fail "the installed program did not open $document"
    sleep 0.05
done

[ -d "$XDG_CONFIG_HOME/ocena-ryzyka" ] || fail "no settings folder in the user's configuration folder"
kill "$program"
wait "$program" || true
program=
echo "the installed program opened $document"
