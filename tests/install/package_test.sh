#!/usr/bin/env bash
# Builds the Debian package of the build tree and checks what it holds and needs.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log") || {
    cat "$work/cpack.log"
    fail "cpack"
}
deb=$(ls "$work"/grd-oddsmith_*.deb)
dpkg-deb -c "$deb" | awk '{print $NF}' >"$work/files"
for f in ./usr/bin/Oddsmith ./usr/bin/grdtool ./usr/share/applications/io.github.grdoddsmith.Oddsmith.desktop \
    ./usr/share/icons/hicolor/scalable/apps/grd-oddsmith.svg \
    ./usr/share/icons/hicolor/48x48/apps/grd-oddsmith.png \
    ./usr/share/icons/hicolor/128x128/apps/grd-oddsmith.png \
    ./usr/share/man/man1/grdtool.1.gz ./usr/share/grd-oddsmith/shipped/GRDStructure.txt \
    ./usr/share/grd-oddsmith/shipped/GRDSchedule.ccs ./usr/share/grd-oddsmith/shipped/GRDNames.ccn \
    ./usr/share/grd-oddsmith/shipped/MAIN-DTA.GRD ./usr/share/grd-oddsmith/shipped/GRDOdds.help/contexts.map; do
    grep -qxF "$f" "$work/files" || fail "the package lacks $f"
done
grep -q '/grd-oddsmith/libGRDOdds.so$' "$work/files" || fail "the package lacks the library"
if grep -v '^\./usr/' "$work/files" | grep -qv '^\./$'; then
    fail "files outside /usr: $(grep -v '^\./usr/' "$work/files")"
fi
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins; do
    [[ "$depends" == *"$p"* ]] || fail "Depends lacks $p: $depends"
done
[[ "$(dpkg-deb -f "$deb" Recommends)" == *fonts-liberation2* ]] || fail "Recommends lacks the Arial-width font"
# What a packager would have to fix: lintian's errors and warnings.
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || {
    cat "$work/lintian.log"
    fail "lintian"
}
echo "package $(basename "$deb") holds the program"
