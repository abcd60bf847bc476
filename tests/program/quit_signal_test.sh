#!/usr/bin/env bash
# The program runs its example boot script, idles, and on SIGTERM or SIGINT runs its whole
# shutdown (the script's shutdown hook prints) and exits 0.
set -u
program=$1
for signal in TERM INT; do
  out=$(mktemp)
  "$program" >"$out" 2>&1 &
  pid=$!
  sleep 1.5
  kill -s "$signal" "$pid"
  wait "$pid"
  code=$?
  if [ "$code" -ne 0 ] || ! grep -q "Glimmet shuts down after" "$out"; then
    echo "SIG$signal: exit $code"; cat "$out"; rm -f "$out"; exit 1
  fi
  rm -f "$out"
done
echo "1 passed, 0 failed"
