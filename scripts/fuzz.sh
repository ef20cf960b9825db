#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each for the given seconds (default 60),
# starting from its corpus in fuzz/corpus/<name>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
CXX=clang++ scripts/build.sh build-fuzz -DODDSMITH_FUZZ=ON -DODDSMITH_BUILD_UI=OFF \
    -DODDSMITH_BENCH=OFF -DBUILD_TESTING=OFF
shopt -s nullglob
for fuzzer in build-fuzz/fuzz/fuzz_*; do
    name=$(basename "$fuzzer")
    corpus=fuzz/corpus/$name
    mkdir -p "build-fuzz/corpus/$name"
    echo "== $name for ${seconds}s"
    "$fuzzer" -max_total_time="$seconds" -print_final_stats=0 "build-fuzz/corpus/$name" \
        $( [ -d "$corpus" ] && echo "$corpus" )
done
