#!/usr/bin/env bash
# Times the real program (a Release build) from start to its first idle turn and back out, in two
# copies of its bundle that differ only in the running locale's dictionary: the example's one-line
# dictionary, and a generated dictionary of 20,000 realistic entries as UTF-8 text (3.2 MB).
# Runs alternate between the two; prints the median, the 10th and 90th percentiles, and the ratio
# of the medians.
#   bench/startup.sh <build folder with Glimmet.app and bench/pembra_bench> [runs, default 40]
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
runs=${2:-40}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for variant in example generated; do
  cp -R "$build/Glimmet.app" "$work/$variant"
  printf '%s\n' 'function fennick_DoIdleLoop() App.GetApp():EndEventLoop() end' \
    >"$work/$variant/Contents/Resources/scripts/lua/bootstrap.lua"
done

# The running locale, as the program itself reports it.
probe="$work/example/Contents/Resources/scripts/lua/bootstrap.lua"
cp "$probe" "$work/bootstrap.lua"
printf '%s\n' 'print("locale=" .. require("VyAppUtils").GetRunningLocale())' \
  'function fennick_DoIdleLoop() App.GetApp():EndEventLoop() end' >"$probe"
locale=$("$work/example/Contents/MacOS/Glimmet" | sed -n 's/^locale=//p')
cp "$work/bootstrap.lua" "$probe"
dictionary="$work/generated/Contents/Resources/$locale/quillet/veyra_dictionary.dat"
mkdir -p "$(dirname "$dictionary")"
"$build/bench/pembra_bench" --write_dictionary=text-utf8:"$dictionary"
echo "running locale $locale; dictionary $(stat -c %s "$dictionary") bytes; $runs runs each"

# Microseconds of one run of a bundle's program.
run_once() {
  local start=${EPOCHREALTIME/./}
  "$work/$1/Contents/MacOS/Glimmet" >/dev/null
  local end=${EPOCHREALTIME/./}
  echo $((end - start))
}

for variant in example generated; do run_once "$variant" >/dev/null; done  # warm the file cache
for ((i = 0; i < runs; ++i)); do
  for variant in example generated; do run_once "$variant" >>"$work/$variant.ms"; done
done

summary() {
  sort -g "$work/$1.ms" | awk -v name="$1" '{ t[NR] = $1 / 1000 } END {
    median = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
    low = t[int(NR * 0.1) + 1]; high = t[NR - int(NR * 0.1)]
    printf "%-10s median %7.2f ms   10%%-90%% %7.2f .. %7.2f ms\n", name, median, low, high
    print median > "'"$work"'/" name ".median" }'
}
summary example
summary generated
awk '{ m[FILENAME] = $1 } END { printf "start-up with the generated dictionary / with the example one: %.2fx\n",
  m["'"$work"'/generated.median"] / m["'"$work"'/example.median"] }' "$work/example.median" "$work/generated.median"
