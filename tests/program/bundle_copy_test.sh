#!/usr/bin/env bash
# A copy of the bundle runs from another folder on its own: the program and the frameworks carry
# only run paths relative to themselves, the dynamic loader never looks into the build tree, the
# frameworks in memory are the copy's, and the program ends cleanly. Where the system lets an
# unprivileged user mount in a namespace of its own, the copy runs with the build tree hidden.
set -u
. "$(dirname "$0")/bundle_copy.sh"
copy_bundle "$1"
build_tree=$(dirname "$BUILT_BUNDLE")

# Run paths: every entry starts with $ORIGIN.
for binary in MacOS/Glimmet Frameworks/zellua.framework/zellua Frameworks/zelwebview.framework/zelwebview; do
  paths=$(readelf -d "$COPY/$binary" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]$/\2/p')
  IFS=: read -r -a entries <<<"$paths"
  for entry in "${entries[@]}"; do
    case $entry in
      '$ORIGIN'/*|'$ORIGIN') ;;
      *) fail "$binary has the run path $entry" ;;
    esac
  done
done

# The boot script names the frameworks mapped into the process, after a require that loads a
# binding module through package.cpath, and ends the event loop on the first idle turn.
write_bootstrap '
require "zellua.zelLocale"
print("cpath " .. package.cpath)
local seen = {}
for line in io.lines("/proc/self/maps") do
  local path = line:match("%s(/%S*%.framework/%S+)$")
  if path and not seen[path] then
    seen[path] = true
    print("mapped " .. path)
  end
end
function fennick_DoIdleLoop() App.GetApp():EndEventLoop() end
function fennick_OnShutdown() print("the shutdown hook ran") end'

cd "$WORK"
run=("$COPY/MacOS/Glimmet")
hidden="no"
if unshare --user --map-root-user --mount true 2>/dev/null; then
  run=(unshare --user --map-root-user --mount sh -c 'mount -t tmpfs none "$1" && shift && exec "$@"' sh
       "$build_tree" "$COPY/MacOS/Glimmet")
  hidden="yes"
fi
LD_DEBUG=libs LD_DEBUG_OUTPUT=$WORK/loader "${run[@]}" >"$WORK/out" 2>&1
code=$?
echo "build tree hidden: $hidden"
if [ "$code" -ne 0 ] || ! grep -q "the shutdown hook ran" "$WORK/out"; then
  cat "$WORK/out"
  fail "the copy exited with $code"
fi
if grep -lF "$build_tree/" "$WORK"/loader.* >/dev/null 2>&1; then
  grep -hF "$build_tree/" "$WORK"/loader.* | head -20
  fail "the dynamic loader looked into the build tree"
fi
for framework in zellua zelwebview; do
  grep -qx "mapped $COPY/Frameworks/$framework.framework/$framework" "$WORK/out" ||
    { cat "$WORK/out"; fail "$framework is not mapped from the copy"; }
done
if grep "^mapped " "$WORK/out" | grep -vF "mapped $COPY/"; then
  fail "frameworks mapped from outside the copy"
fi
grep -q "^cpath ;$COPY/Frameworks/?.framework/?;" "$WORK/out" || { cat "$WORK/out"; fail "package.cpath is not the copy's"; }
echo "1 passed, 0 failed"
