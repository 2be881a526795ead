#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs what was installed: the batch evaluator on the
# examples (the same results as the build tree's), Velmora and Tabrix offscreen as a user whose program
# folder is not writable, and the desktop's validators on the freedesktop files.
set -euo pipefail
build=$1
source=$2
prefix=$(mktemp -d)
trap 'chmod -R u+w "$prefix"; rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
for program in velmora velmora-batch sheetconv tabrix; do
    [ -x "$prefix/lib/velmora/$program" ] || fail "$program is not in lib/velmora"
    [ "$(readlink "$prefix/bin/$program")" = "../lib/velmora/$program" ] || fail "bin/$program is no link to it"
done
for folder in Vorlagen Hilfe Dokumentation Daten Projekte; do
    [ -d "$prefix/lib/velmora/$folder" ] || fail "lib/velmora/$folder is missing"
done
[ -f "$prefix/lib/velmora/Vorlagen/WasserFenster.vts" ] || fail "the templates are missing"
[ -f "$prefix/lib/velmora/Hilfe/index.htm" ] || fail "the help is missing"
[ -f "$prefix/lib/velmora/Dokumentation/Dokumentation.pdf" ] || fail "the documentation is missing"
[ -f "$prefix/lib/velmora/TabrixAPDEU.qm" ] || fail "the designer's German texts are missing"
for page in velmora velmora-batch sheetconv tabrix; do
    [ -f "$prefix/share/man/man1/$page.1" ] || fail "man page $page.1 is missing"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/velmora.svg" ] || fail "the program icon is missing"
[ -f "$prefix/share/icons/hicolor/scalable/mimetypes/application-x-velmoragleichgewicht.svg" ] ||
    fail "the file-type icons are missing"
grep -q 'pattern="\*.was"' "$prefix/share/mime/packages/velmora.xml" || fail "the MIME package lacks .was"

"$prefix/bin/velmora-batch" evaluate "$source/examples/analysen.csv" > "$prefix/installed.csv" 2> /dev/null
"$build/bin/velmora-batch" evaluate "$source/examples/analysen.csv" > "$prefix/built.csv" 2> /dev/null
cmp -s "$prefix/installed.csv" "$prefix/built.csv" || fail "the installed velmora-batch evaluates otherwise"
[ "$(wc -l < "$prefix/installed.csv")" -gt 1 ] || fail "no results"

# An installed program's folder is not the user's: Velmora starts and keeps the user's folders at home.
chmod -R a-w "$prefix/lib/velmora"
home="$prefix/home"
mkdir -p "$home"
status=0
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home" \
    QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/velmora" 2> /dev/null || status=$?
[ "$status" -eq 124 ] || fail "the installed velmora ended with $status instead of running"
[ -d "$home/Velmora/Daten" ] && [ -d "$home/Velmora/Projekte" ] || fail "no Daten and Projekte at home"

# Each start of the designer registers its workbooks, as Velmora's first start did for it.
registered="$home/.local/share/applications/tabrix.desktop"
grep -qxF "Exec=\"$prefix/lib/velmora/tabrix\" %f" "$registered" || fail "Velmora did not register the designer"
cp "$registered" "$prefix/by-velmora.desktop"
status=0
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/tabrix" 2> /dev/null || status=$?
[ "$status" -eq 124 ] || fail "the installed tabrix ended with $status instead of running"
[ -f "$home/.local/share/mime/packages/tabrix.xml" ] || fail "the designer did not register its workbooks"
cmp -s "$registered" "$prefix/by-velmora.desktop" || fail "Velmora and the designer register it differently"

if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate "$prefix"/share/applications/*.desktop || fail "desktop-file-validate"
fi
if command -v appstreamcli > /dev/null; then
    appstreamcli validate --no-net "$prefix"/share/metainfo/*.xml > /dev/null || fail "appstreamcli validate"
fi
echo "installed programs: ok"
