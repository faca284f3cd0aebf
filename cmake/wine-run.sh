#!/usr/bin/env bash
# Runs a program of the Windows cross build under Wine. The prefix must be
# the caller's own (scripts/test-windows.sh makes a throwaway one): falling
# back to ~/.wine would leave a Windows installation in the home folder.
#
# Debian's Wine loader is linked at a fixed address and comes without Wine's
# preloader, so with address space randomisation its heap lands anywhere in
# the gigabyte above it, now and then over the page every Windows process
# needs at 0x7ffe0000. Wine then ends the process at once, before the
# program runs ("failed to map the shared user data: c0000018"). Without
# randomisation the heap lies right after the loader, clear of that page.
#
# Wine's error channel stays on: its complaints reach the same stderr as the
# program's own. A failure without a word from the program (the test
# programs always print) means it never ran: that is said as such, with
# Wine's own words, so that it is not taken for the program's verdict.
set -u
if [[ -z ${WINEPREFIX:-} ]]; then
  echo "wine-run.sh: WINEPREFIX is not set; run scripts/test-windows.sh," \
       "or point WINEPREFIX at a scratch prefix" >&2
  exit 125
fi
case ${WINEDEBUG:-} in
  '') export WINEDEBUG=-all,err+all ;;
  *err*) ;;
  *) export WINEDEBUG="$WINEDEBUG,err+all" ;;
esac
# Wine would otherwise write menu entries and file types into the home folder.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-winemenubuilder.exe=d}"

fixed_layout=(setarch "$(uname -m)" -R)
if ! "${fixed_layout[@]}" true 2>/dev/null; then
  # Where the personality cannot be set (some container sandboxes), Wine
  # runs as it is, and a start that fails that way is tried once more below.
  fixed_layout=()
fi

# The program's output goes to files that are shown as they grow, and looked
# at once it has ended. Files, not pipes: a program Wine starts on the side
# (the desktop's explorer.exe) inherits them and would hold a pipe open.
aside=$(mktemp -d "${TMPDIR:-/tmp}/wine-run.XXXXXX") || exit 125
trap 'rm -rf "$aside"' EXIT

run_once() {
  : >"$aside/out"
  : >"$aside/err"
  # A job started with & would read from /dev/null: it keeps our stdin.
  { exec 3<&0; } 2>/dev/null || exec 3</dev/null
  "${fixed_layout[@]}" wine "$@" <&3 >"$aside/out" 2>"$aside/err" &
  wine_pid=$!
  exec 3<&-
  tail -s 0.1 -n +1 -f --pid="$wine_pid" "$aside/out" &
  local out_pid=$!
  tail -s 0.1 -n +1 -f --pid="$wine_pid" "$aside/err" >&2 &
  local err_pid=$!
  wait "$wine_pid"
  status=$?
  wait "$out_pid" "$err_pid"
}

# Wine's own lines: its debug channels ("0024:err:module:..." or, without a
# thread, "err:virtual:..."), its messages ("wine: ...", "wine client
# error:...") and the hints of its shell wrapper.
wine_lines='^([0-9a-f]{4,8}:)?(err|warn|fixme|trace):|^wine: |^wine client error|^it looks like wine32'
printed_nothing() {
  ! grep -Evq "$wine_lines" "$aside/out" "$aside/err" 2>/dev/null
}

status=0
wine_pid=
trap '[[ -n $wine_pid ]] && kill "$wine_pid" 2>/dev/null; exit 143' TERM INT
run_once "$@"
if ((status != 0)) && ((${#fixed_layout[@]} == 0)) && printed_nothing &&
   grep -q 'failed to map the shared user data' "$aside/err"; then
  echo "wine-run.sh: the page Wine needs at 0x7ffe0000 was taken; starting $1 again" >&2
  run_once "$@"
fi

if ((status != 0)) && printed_nothing; then
  {
    echo "wine-run.sh: $1 ended with exit status $status without printing anything,"
    echo "  not even a first line: it most likely never ran. That is a failure of the"
    echo "  test machinery (Wine, its server or its prefix), not the program's verdict."
    if [[ -s "$aside/err" || -s "$aside/out" ]]; then
      echo "  Wine said (WINEDEBUG=$WINEDEBUG):"
      cat "$aside/out" "$aside/err" | sed 's/^/    /'
    else
      echo "  Wine said nothing (WINEDEBUG=$WINEDEBUG)."
    fi
  } >&2
fi
exit "$status"
