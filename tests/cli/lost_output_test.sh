#!/bin/sh
# quelmo-cli with its standard output on a full disk or closed: exit status 4
# and a message on standard error, for a short output held in a buffer until
# the end as for a long one written on the way.
cli="$1"
failed=0
expect_lost() {
  description="$1"
  shift
  status=0
  message=$("$@" 2>&1) || status=$?
  case "$message" in
    *"standard output could not be written"*) ;;
    *) echo "$description: no message on standard error: $message"; failed=1 ;;
  esac
  if [ "$status" -ne 4 ]; then
    echo "$description: exit status $status, expected 4"
    failed=1
  fi
}
run_full() { "$cli" "$@" >/dev/full; }
run_closed() { "$cli" "$@" >&-; }
expect_lost "--version > /dev/full" run_full --version
expect_lost "presets mms > /dev/full" run_full presets mms
expect_lost "--version >&-" run_closed --version
expect_lost "presets mms >&-" run_closed presets mms
exit "$failed"
