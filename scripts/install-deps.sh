#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
set -euo pipefail
packages=(
  cmake g++ pkg-config googletest libgtest-dev libbenchmark-dev
  liblua5.1-0-dev lua5.1 lua-socket lua-socket-dev lua-sec lua-sec-dev
  libboost-dev libboost-system-dev libboost-thread-dev libboost-regex-dev libssl-dev libxml2-dev
  duktape-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
