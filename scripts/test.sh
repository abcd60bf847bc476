#!/usr/bin/env bash
# Installs what is missing, builds the test build (AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-test" -DCMAKE_BUILD_TYPE=Debug -DGLIMMET_SANITIZE=ON -DGLIMMET_TESTS=ON >/dev/null
cmake --build "$root/build-test" -j"$(nproc)"
ctest --test-dir "$root/build-test" -j"$(nproc)" --output-on-failure --timeout 300
