#!/bin/sh
# quelmo-cli on a system without libcurl and expat, which it opens only when
# the e-mail check or the operator database needs them: each of the two says
# so (test-email with exit status 6), and every other command works. A folder
# first on the library path holds an empty file under each library's name,
# which the loader finds and cannot load.
#   missing_library_test.sh QUELMO_CLI OPERATOR_DATABASE
cli="$1"
database="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "$1"; failed=1; }

mkdir "$work/lib" "$work/out"
: > "$work/lib/libcurl.so.4"
: > "$work/lib/libexpat.so.1"
cat > "$work/gprs.json" <<'JSON'
{"apnMode": 1, "apn": "internet", "smtpServer": "127.0.0.1", "smtpPort": "25",
 "senderEmail": "camera@quelmo.test", "senderPassword": "secret",
 "recipientEmail": "owner@quelmo.test"}
JSON
without() { LD_LIBRARY_PATH="$work/lib" QUELMO_OPERATOR_DATABASE="$database" "$cli" "$@"; }

status=0
message=$(without test-email --settings "$work/gprs.json" 2>&1) || status=$?
[ "$status" -eq 6 ] || fail "test-email without libcurl: exit status $status, expected 6"
case "$message" in
  *"not available"*"libcurl.so.4"*) ;;
  *) fail "test-email without libcurl does not say so: $message" ;;
esac

status=0
message=$(without operators --country gb 2>&1) || status=$?
[ "$status" -eq 2 ] || fail "operators without expat: exit status $status, expected 2"
case "$message" in
  *"cannot be read"*"no XML reader"*"libexpat.so.1"*) ;;
  *) fail "operators without expat does not say so: $message" ;;
esac

without write camera --default --out "$work/out" >/dev/null ||
  fail "write without libcurl and expat failed"
without check "$work/out/camera.dat" >/dev/null ||
  fail "check without libcurl and expat failed"
[ "$(without --version)" = "$("$cli" --version)" ] || fail "--version without libcurl and expat differs"

# The same operators command with the libraries there lists the providers.
QUELMO_OPERATOR_DATABASE="$database" "$cli" operators --country gb >/dev/null ||
  fail "operators with expat failed"
exit "$failed"
