#!/usr/bin/env bash
# The Windows step of the tests: cross-builds the core, quelmo-cli.exe and the
# core's tests with mingw-w64 from scratch, runs the tests under Wine in a
# throwaway prefix, and checks that quelmo-cli.exe writes the same bytes as
# the Linux quelmo-cli.
#
# The prefix and Wine's server folder live in one mktemp folder that goes at
# the end, whatever happened; the server is stopped first. Nothing is left in
# the home folder.
#
#   QUELMO_LINUX_CLI  the Linux quelmo-cli to compare with (default: the one
#                     of build/ci, built here when missing)
#   QUELMO_JOBS       parallel build and test jobs (default: nproc)
set -euo pipefail
cd "$(dirname "$0")/.."

step_started=$SECONDS
jobs=${QUELMO_JOBS:-$(nproc)}

say() { printf '== %s (%ds)\n' "$*" $((SECONDS - step_started)); }

for tool in x86_64-w64-mingw32-g++-posix wine wineserver wineboot; do
  if ! command -v "$tool" >/dev/null; then
    echo "test-windows.sh: $tool is missing; run scripts/install-deps.sh test" >&2
    exit 1
  fi
done

# --- Wine: a prefix of our own, a server warmed up while the build runs ---
scratch=$(mktemp -d "${TMPDIR:-/tmp}/quelmo-windows.XXXXXX")
export WINEPREFIX="$scratch/prefix"
export TMPDIR="$scratch/tmp"    # Wine keeps its server socket folder here
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer prompts
export WINEARCH=win64
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$WINEPREFIX" "$TMPDIR"

prefix_pid=
cleanup() {
  local status=$?
  [[ -n "$prefix_pid" ]] && kill "$prefix_pid" 2>/dev/null && wait "$prefix_pid" 2>/dev/null
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$scratch"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The prefix is made in the background, alongside the build.
( wineserver -p && wineboot -i && wine cmd.exe /c exit ) >"$scratch/wineboot.log" 2>&1 &
prefix_pid=$!

# --- The cross build ---
rm -rf build/windows
cmake --preset=windows >/dev/null
cmake --build --preset=windows -j "$jobs"
say "cross build done"

# --- The Linux quelmo-cli to compare with ---
linux_cli=${QUELMO_LINUX_CLI:-build/ci/src/cli/quelmo-cli}
if [[ ! -x "$linux_cli" ]]; then
  cmake --preset=nogui >/dev/null
  cmake --build --preset=nogui -j "$jobs" --target quelmo-cli
  linux_cli=build/nogui/src/cli/quelmo-cli
fi

if ! wait "$prefix_pid"; then
  prefix_pid=
  echo "test-windows.sh: the Wine prefix could not be made:" >&2
  cat "$scratch/wineboot.log" >&2
  exit 1
fi
prefix_pid=
say "Wine prefix ready"

# --- The tests under Wine ---
ctest --preset=windows -j "$jobs"
say "tests under Wine passed"

# --- quelmo-cli.exe writes what the Linux build writes ---
scripts/compare-windows-cli.sh "$linux_cli" build/windows/src/cli/quelmo-cli.exe "$scratch/cli"
say "quelmo-cli.exe writes the same bytes as the Linux build"

say "Windows step done"
