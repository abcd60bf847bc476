# Sourced by the program tests: a copy of the built bundle in a temporary folder of its own,
# with a boot script of the test's choosing, so that a test never changes the build tree that
# other tests run from.

# copy_bundle <built program>: sets BUILT_BUNDLE (the build tree's Glimmet.app), WORK (a
# temporary folder, removed on exit) and COPY (the copy's Contents folder), and gives the copy a
# home folder of its own for its preferences.
copy_bundle() {
  BUILT_BUNDLE=$(cd "$(dirname "$1")/../.." && pwd)
  WORK=$(mktemp -d "${TMPDIR:-/tmp}/glimmet-program-XXXXXX")
  trap 'rm -rf "$WORK"' EXIT
  cp -a "$BUILT_BUNDLE" "$WORK/Glimmet.app"
  COPY=$WORK/Glimmet.app/Contents
  mkdir -p "$WORK/home"
  export HOME=$WORK/home
}

# write_bootstrap <Lua text>: the copy's boot script.
write_bootstrap() {
  printf '%s\n' "$1" >"$COPY/Resources/scripts/lua/bootstrap.lua"
}

fail() {
  echo "$*"
  echo "0 passed, 1 failed"
  exit 1
}
