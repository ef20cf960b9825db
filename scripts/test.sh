#!/usr/bin/env bash
# Sets up, builds and runs every test. With --sanitize: in an address and
# undefined-behaviour sanitizer build of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir=build
# The suite needs no debug information, and building without it takes a quarter less time.
options=(-DODDSMITH_WERROR=ON "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG")
if [ "${1:-}" = "--sanitize" ]; then
    # Sanitizer reports name the lines: this build keeps its debug information.
    dir=build-sanitize
    options=(-DODDSMITH_WERROR=ON -DODDSMITH_SANITIZE=ON -DODDSMITH_BENCH=OFF)
fi
scripts/build.sh "$dir" "${options[@]}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j2
