#!/usr/bin/env bash
# Builds the Debian package and checks its files and the dependencies dpkg-shlibdeps found.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$out" > /dev/null)
package=$(ls "$out"/velmora_*.deb)
[ -f "$package" ] || fail "no package"
files=$(dpkg-deb -c "$package")
for entry in ./usr/lib/velmora/velmora ./usr/lib/velmora/tabrix ./usr/lib/velmora/Vorlagen/WasserFenster.vts ./usr/lib/velmora/Dokumentation/Dokumentation.pdf \
             ./usr/share/applications/velmora.desktop ./usr/share/applications/tabrix.desktop \
             ./usr/share/mime/packages/velmora.xml ./usr/share/metainfo/org.velmora.Velmora.metainfo.xml \
             ./usr/share/man/man1/velmora.1; do
    grep -q " $entry\$" <<< "$files" || fail "$entry is not in the package"
done
grep -q " ./usr/bin/velmora -> ../lib/velmora/velmora$" <<< "$files" || fail "usr/bin/velmora is no link"
depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6charts6 libqt6printsupport6 libqt6svg6 libgsf-1-114 libxlsxwriter4 liborcus-0.17-0 libc6; do
    grep -q "$library" <<< "$depends" || fail "Depends lacks $library: $depends"
done
echo "debian package: ok ($(du -h "$package" | cut -f1))"
