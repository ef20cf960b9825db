#!/usr/bin/env bash
# Kills `grdtool replay` of the 2024 season with SIGKILL at random moments, COUNT times
# (default 300), and checks after each kill that the week the main data file stands
# at has its archive; each replay that finishes must leave no temporary file and
# files byte-identical to an uninterrupted run. Run by hand:
#   scripts/kill-replays.sh [COUNT] [GRDTOOL]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-300}
grdtool=$(realpath "${2:-build/program/grdtool}")
games=$PWD/data/games-2024.csv
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/start"
"$grdtool" build-schedule --teams data/teams.csv --games "$games" "$work/start" >/dev/null
"$grdtool" init "$work/start" --average
cp -r "$work/start" "$work/whole"
start_ns=$(date +%s%N)
"$grdtool" replay "$work/whole" "$games" >/dev/null
span_us=$((($(date +%s%N) - start_ns) / 1000))
echo "an uninterrupted replay takes ${span_us} us"

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

lost=0 finished=0 differing=0 stale=0 kill=0
rm -rf "$work/run" && cp -r "$work/start" "$work/run"
while ((kill < count)); do
    "$grdtool" replay "$work/run" "$games" >/dev/null 2>&1 &
    pid=$!
    sleep "$(awk -v r=$((RANDOM * 32768 + RANDOM)) -v s="$span_us" 'BEGIN { printf "%.6f", r % s / 1e6 }')"
    kill -KILL "$pid" 2>/dev/null || true
    # Only a replay that was still running when killed counts as a kill.
    if wait "$pid" 2>/dev/null; then
        finished=$((finished + 1))
    else
        kill=$((kill + 1))
    fi
    archive=$(archive_of "$work/run")
    if [[ -n $archive && ! -f "$work/run/$archive" ]]; then
        echo "kill $kill: the main data file stands without $archive"
        lost=$((lost + 1))
    fi
    # Every few kills, or once the season is done, a rerun must end where an
    # uninterrupted run ends; then the season starts again.
    if ((kill % 10 == 0)) || [[ $(archive_of "$work/run") == "Super Bowl.24" ]]; then
        "$grdtool" replay "$work/run" "$games" >/dev/null
        if compgen -G "$work/run/*.tmp-*" >/dev/null; then
            echo "kill $kill: temporary files stayed after the rerun"
            stale=$((stale + 1))
        fi
        # The lock file names the last holder, a process id of its own each run.
        if ! diff -r -x .grdodds.lock "$work/whole" "$work/run" >/dev/null; then
            echo "kill $kill: the rerun differs from an uninterrupted run"
            differing=$((differing + 1))
        fi
        rm -rf "$work/run" && cp -r "$work/start" "$work/run"
    fi
done
echo "$count kills ($finished more replays ended before their kill): $lost lost archives," \
    "$stale reruns with temporary files, $differing reruns differing"
((lost + stale + differing == 0))
