#!/usr/bin/env bash
# Kills a writing command with SIGKILL at random moments, COUNT times (default 300),
# and checks after each kill that nothing is lost or half-written; a rerun must then
# finish, leave no temporary file and end where an uninterrupted run ends. Run by hand:
#   scripts/kill-writes.sh replay|new-season|pdf [COUNT] [BUILD]
#   replay      grdtool replay of the 2024 season
#   new-season  grdtool new-season --keep after the 2024 season
#   pdf         Oddsmith --pdf of five weeks of 2025, into a folder of its own
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:?usage: kill-writes.sh replay|new-season|pdf [COUNT] [BUILD]}
count=${2:-300}
build=$(realpath "${3:-build}")
grdtool=$build/program/grdtool
games=$PWD/data/games-2024.csv
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

season_start() {
    mkdir -p "$1"
    "$grdtool" build-schedule --teams data/teams.csv --games "$games" "$1" >/dev/null
    "$grdtool" init "$1" --average
}

# The archive the main data file's week stands on, or nothing before any is due.
archive_of() {
    local week
    week=$(tail -n 2 "$1/MAIN-DTA.GRD" | head -n 1 | tr -d ' \r')
    case $week in
    1) ;;
    100) echo "WEEK-18.24" ;;
    101) echo "Wild Card.24" ;;
    102) echo "Division.24" ;;
    103) echo "Championship.24" ;;
    104) echo "Super Bowl.24" ;;
    *) printf 'WEEK-%02d.24\n' $((week - 1)) ;;
    esac
}

# Per command: setup makes $work/start; run DIR becomes the command (exec, so that the
# kill reaches it: call it in a subshell); intact DIR says what
# a kill lost or left half-written, if anything; rerun DIR finishes the work; due DIR
# tells when a rerun is due before the tenth kill (the work is done).
case $what in
replay)
    setup() { season_start "$work/start"; }
    run() { exec "$grdtool" replay "$1" "$games"; }
    rerun() { (run "$1") >/dev/null; }
    intact() {
        local archive
        archive=$(archive_of "$1")
        if [[ -n $archive && ! -f "$1/$archive" ]]; then
            echo "the main data file stands without $archive"
        fi
    }
    due() { [[ $(archive_of "$1") == "Super Bowl.24" ]]; }
    ;;
new-season)
    setup() {
        season_start "$work/start"
        "$grdtool" replay "$work/start" "$games" >/dev/null
    }
    run() { exec "$grdtool" new-season --keep "$1/MAIN-DTA.GRD"; }
    # A kill after the last write leaves a season that is started; a rerun says so.
    rerun() { (run "$1") >/dev/null 2>&1 || cmp -s "$1/MAIN-DTA.GRD" "$work/whole/MAIN-DTA.GRD"; }
    intact() {
        if cmp -s "$1/MAIN-DTA.GRD" "$work/whole/MAIN-DTA.GRD"; then
            cmp -s "$1/MAIN-DTA.OLD" "$work/start/MAIN-DTA.GRD" ||
                echo "the new season stands without the old one in MAIN-DTA.OLD"
        elif ! cmp -s "$1/MAIN-DTA.GRD" "$work/start/MAIN-DTA.GRD"; then
            echo "MAIN-DTA.GRD is neither the old season nor the new one"
        elif [[ -e "$1/MAIN-DTA.OLD" ]] && ! cmp -s "$1/MAIN-DTA.OLD" "$work/start/MAIN-DTA.GRD"; then
            echo "MAIN-DTA.OLD is half-written"
        fi
    }
    due() { true; }
    ;;
pdf)
    setup() {
        mkdir -p "$work/start/data" "$work/start/out"
        for name in GRDStructure.txt GRDSchedule.ccs GRDNames.ccn MAIN-DTA.GRD Oddsmith; do
            cp "$build/program/$name" "$work/start/data/"
        done
        "$grdtool" replay "$work/start/data" data/games-2025.csv --through 5 >/dev/null
    }
    run() { exec "$1/data/Oddsmith" --pdf "$1/out/OUT.pdf"; }
    rerun() { (run "$1") >/dev/null 2>&1; }
    # The PDF's text carries the moment it was made: compare what stays, the length.
    intact() {
        local pdf=$1/out/OUT.pdf
        if [[ -e $pdf ]] && ! { head -c 5 "$pdf" | grep -q '%PDF-' &&
            tail -c 7 "$pdf" | grep -q '%%EOF' &&
            [[ $(stat -c %s "$pdf") == $(stat -c %s "$work/whole/out/OUT.pdf") ]]; }; then
            echo "OUT.pdf is half-written"
        fi
    }
    due() { true; }
    ;;
*)
    echo "kill-writes.sh: unknown command $what" >&2
    exit 2
    ;;
esac

setup
cp -r "$work/start" "$work/whole"
start_ns=$(date +%s%N)
(run "$work/whole") >/dev/null 2>&1
span_us=$((($(date +%s%N) - start_ns) / 1000))
echo "an uninterrupted $what takes ${span_us} us"

lost=0 finished=0 differing=0 stale=0 kill=0
rm -rf "$work/run" && cp -r "$work/start" "$work/run"
while ((kill < count)); do
    run "$work/run" >/dev/null 2>&1 &
    pid=$!
    sleep "$(awk -v r=$((RANDOM * 32768 + RANDOM)) -v s="$span_us" 'BEGIN { printf "%.6f", r % s / 1e6 }')"
    kill -KILL "$pid" 2>/dev/null || true
    # Only a run that was still going when killed counts as a kill.
    if wait "$pid" 2>/dev/null; then
        finished=$((finished + 1))
    else
        kill=$((kill + 1))
    fi
    problem=$(intact "$work/run" || true)
    if [[ -n $problem ]]; then
        echo "kill $kill: $problem"
        lost=$((lost + 1))
    fi
    # Every few kills, or once the work is done, a rerun must end where an
    # uninterrupted run ends; then the work starts again.
    if ((kill % 10 == 0)) || due "$work/run"; then
        if ! rerun "$work/run"; then
            echo "kill $kill: the rerun failed"
            differing=$((differing + 1))
        fi
        if [[ -n $(find "$work/run" -name '*.tmp-*') ]]; then
            echo "kill $kill: temporary files stayed after the rerun"
            stale=$((stale + 1))
        fi
        # The lock file names the last holder, a process id of its own each run.
        if ! diff -r -x .grdodds.lock -x OUT.pdf "$work/whole" "$work/run" >/dev/null ||
            [[ -n $(intact "$work/run" || true) ]]; then
            echo "kill $kill: the rerun differs from an uninterrupted run"
            differing=$((differing + 1))
        fi
        rm -rf "$work/run" && cp -r "$work/start" "$work/run"
    fi
done
echo "$what: $count kills ($finished more runs ended before their kill): $lost lost or" \
    "half-written, $stale reruns with temporary files, $differing reruns failing or differing"
((lost + stale + differing == 0))
