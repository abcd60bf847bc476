#!/usr/bin/env bash
# Installs what is missing, builds the bundle and runs the program on the example scripts.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLIMMET_TESTS=OFF >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target Glimmet
# The examples idle until the program is asked to quit; a quit request after a few seconds runs
# the whole shutdown, as a desktop session's logout would.
status=0
timeout --signal=INT "${GLIMMET_RUN_SECONDS:-5}" "$root/build/Glimmet.app/Contents/MacOS/Glimmet" || status=$?
if [ "$status" -ne 0 ] && [ "$status" -ne 124 ]; then exit "$status"; fi
