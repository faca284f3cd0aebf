#!/bin/sh
# Runs a program of the Windows cross build under Wine. The prefix must be
# the caller's own (scripts/test-windows.sh makes a throwaway one): falling
# back to ~/.wine would leave a Windows installation in the home folder.
if [ -z "${WINEPREFIX:-}" ]; then
  echo "wine-run.sh: WINEPREFIX is not set; run scripts/test-windows.sh," \
       "or point WINEPREFIX at a scratch prefix" >&2
  exit 125
fi
export WINEDEBUG="${WINEDEBUG:--all}"
# Wine would otherwise write menu entries and file types into the home folder.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-winemenubuilder.exe=d}"
exec wine "$@"
