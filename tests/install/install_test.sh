#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses it as a new user would:
# grdtool on the per-user data, the program's first and second start with a
# fresh HOME, and its command line. Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
pid=
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The first user installs into their own ~/.local, as the README says.
prefix=$work/first-user/.local
cmake --install "$build" --prefix "$prefix" >/dev/null
shipped=$prefix/share/grd-oddsmith/shipped
for f in bin/Oddsmith bin/grdtool share/grd-oddsmith/shipped/GRDStructure.txt \
    share/grd-oddsmith/shipped/GRDSchedule.ccs share/grd-oddsmith/shipped/GRDNames.ccn \
    share/grd-oddsmith/shipped/MAIN-DTA.GRD share/grd-oddsmith/shipped/GRDOdds.help/contexts.map \
    share/applications/io.github.grdoddsmith.Oddsmith.desktop share/icons/hicolor/scalable/apps/grd-oddsmith.svg \
    share/icons/hicolor/48x48/apps/grd-oddsmith.png share/icons/hicolor/128x128/apps/grd-oddsmith.png \
    share/man/man1/grdtool.1.gz share/man/man1/Oddsmith.1.gz \
    share/metainfo/io.github.grdoddsmith.Oddsmith.metainfo.xml; do
    [ -e "$prefix/$f" ] || fail "not installed: $f"
done
[ -n "$(find "$prefix" -path '*/grd-oddsmith/libGRDOdds.so')" ] || fail "no private library"
[ ! -e "$prefix/bin/libGRDOdds.so" ] || fail "library in bin/"

unset XDG_DATA_HOME DISPLAY
version=$(env -u QT_QPA_PLATFORM "$prefix/bin/Oddsmith" --version)
[ "$version" = "GRD Oddsmith 7.18" ] || fail "Oddsmith --version said '$version'"
[ "$("$prefix/bin/grdtool" --version)" = "grdtool (GRD Oddsmith) 7.18" ] || fail "grdtool --version"

# grdtool defaults to the per-user data directory, seeding it on first use.
export HOME=$work/first-user
data=$HOME/.local/share/grd-oddsmith
"$prefix/bin/grdtool" replay "$source/data/games-2025.csv" --through 2 >"$work/replay.txt"
grep -q "week 2 scores" "$work/replay.txt" || fail "replay did not reach week 2"
[ -e "$data/WEEK-02.25" ] || fail "replay wrote no archive into $data"
! cmp -s "$data/MAIN-DTA.GRD" "$shipped/MAIN-DTA.GRD" || fail "replay left the main data as shipped"
cmp -s "$data/GRDStructure.txt" "$shipped/GRDStructure.txt" || fail "structure not seeded"
cp "$data/MAIN-DTA.GRD" "$work/replayed.grd"
cmake --install "$build" --prefix "$prefix" >/dev/null
cmp -s "$data/MAIN-DTA.GRD" "$work/replayed.grd" || fail "a reinstall replaced the user's main data"

# Starts the program offscreen until start-up has made the revert copy.
start_until_ready() {
    rm -f "$data/main-dta.rvt"
    QT_QPA_PLATFORM=offscreen "$prefix/bin/Oddsmith" "$@" &
    pid=$!
    for _ in $(seq 300); do
        [ -e "$data/main-dta.rvt" ] && break
        kill -0 "$pid" 2>/dev/null || fail "Oddsmith ended early"
        sleep 0.1
    done
    kill "$pid"
    wait "$pid" || true
    pid=
    [ -e "$data/main-dta.rvt" ] || fail "Oddsmith did not start on $data"
}

# A second user starts the first one's program with a copy of their own.
export HOME=$work/second-user
mkdir -p "$HOME"
data=$HOME/.local/share/grd-oddsmith
start_until_ready
for f in GRDStructure.txt GRDSchedule.ccs GRDNames.ccn MAIN-DTA.GRD; do
    cmp -s "$data/$f" "$shipped/$f" || fail "first start did not seed $f"
done
printf 'kept\r\n' >>"$data/MAIN-DTA.GRD"
start_until_ready
grep -q kept "$data/MAIN-DTA.GRD" || fail "second start replaced the user's main data"
grep -q kept "$data/main-dta.rvt" || fail "second start did not use the user's main data"

# Exit codes: 2 for a wrong call, 1 for a failure with its message.
status=0
QT_QPA_PLATFORM=offscreen "$prefix/bin/Oddsmith" --data-dir 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "--data-dir without a directory gave $status"
touch "$work/blocked"
status=0
XDG_DATA_HOME=$work/blocked QT_QPA_PLATFORM=offscreen "$prefix/bin/Oddsmith" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "an unusable data directory gave $status"
grep -q "$work/blocked/grd-oddsmith" "$work/err" || fail "the failure did not name the directory"
echo "installed program works"
