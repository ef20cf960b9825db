#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each for the given seconds (default 60),
# starting from its corpus in fuzz/corpus/<name>; names after the seconds run only
# those fuzzers (scripts/fuzz.sh 600 fuzz_records). No run may take over 256 MB.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
only=" $* "
CXX=clang++ scripts/build.sh build-fuzz -DODDSMITH_FUZZ=ON -DODDSMITH_BUILD_UI=OFF \
    -DODDSMITH_BENCH=OFF -DBUILD_TESTING=OFF
shopt -s nullglob
for fuzzer in build-fuzz/fuzz/fuzz_*; do
    name=$(basename "$fuzzer")
    if [ "$only" != "  " ] && [[ "$only" != *" $name "* ]]; then
        continue
    fi
    corpus=fuzz/corpus/$name
    mkdir -p "build-fuzz/corpus/$name"
    echo "== $name for ${seconds}s"
    "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=256 -print_final_stats=1 "build-fuzz/corpus/$name" \
        $( [ -d "$corpus" ] && echo "$corpus" )
done
