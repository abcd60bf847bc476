#!/usr/bin/env bash
# The program idles, and on SIGTERM or SIGINT runs its whole shutdown (the script's shutdown hook
# prints) and exits 0. The signal is sent once the boot script says from the event loop's first
# idle turn that the program is ready, through a named pipe.
set -u
. "$(dirname "$0")/bundle_copy.sh"
copy_bundle "$1"
write_bootstrap '
local ready = os.getenv("GLIMMET_TEST_READY")
function fennick_DoIdleLoop()
  if ready then
    local pipe = assert(io.open(ready, "w"))
    pipe:write("ready\n")
    pipe:close()
    ready = nil
  end
end
function fennick_OnShutdown() print("the shutdown hook ran") end'

fifo=$WORK/ready
mkfifo "$fifo"
for signal in TERM INT; do
  # Opened for reading and writing, the pipe opens at once on both sides.
  exec 3<>"$fifo"
  GLIMMET_TEST_READY=$fifo "$COPY/MacOS/Glimmet" >"$WORK/out" 2>&1 &
  pid=$!
  line=
  for _ in $(seq 60); do
    read -r -t 1 line <&3 && break
    kill -0 "$pid" 2>/dev/null || break
  done
  if [ "$line" != ready ]; then
    kill -s KILL "$pid" 2>/dev/null
    cat "$WORK/out"
    fail "SIG$signal: the program never said it was ready"
  fi
  kill -s "$signal" "$pid"
  wait "$pid"
  code=$?
  exec 3<&-
  if [ "$code" -ne 0 ] || ! grep -q "the shutdown hook ran" "$WORK/out"; then
    cat "$WORK/out"
    fail "SIG$signal: exit $code"
  fi
done
echo "1 passed, 0 failed"
