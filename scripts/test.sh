#!/usr/bin/env bash
# Sets up, builds and runs every test. With --sanitize: in an address and
# undefined-behaviour sanitizer build of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir=build
options=(-DODDSMITH_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-sanitize
    options+=(-DODDSMITH_SANITIZE=ON -DODDSMITH_BENCH=OFF)
fi
scripts/build.sh "$dir" "${options[@]}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j2
