#!/usr/bin/env bash
# Builds the Debian package from a configured build folder and checks it: the
# desktop entry, the AppStream metadata, lintian, the file list, the declared
# dependencies, and the programs run from the unpacked package and installed
# in a clean root.
#   check-package.sh [BUILD_DIR]   (default build/ci)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/ci}

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/quelmo_*.deb)
echo "package: $deb"

desktop-file-validate packaging/linux/org.quelmo.Setup.desktop
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg -x "$deb" "$work/root"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.quelmo.Setup.metainfo.xml"

# Errors fail; warnings and notes are printed.
lintian_args=()
[[ $(id -u) -eq 0 ]] && lintian_args+=(--allow-root)
lintian "${lintian_args[@]}" "$deb" | tee "$work/lintian.txt"
if grep -q '^E:' "$work/lintian.txt"; then
  echo "lintian found errors" >&2
  exit 1
fi

dpkg -c "$deb" | awk '{print $6}' | sed 's#^\./#/#' | grep -v '/$' | sort > "$work/files.txt"
expected=(
  /usr/bin/quelmo
  /usr/bin/quelmo-cli
  /usr/share/applications/org.quelmo.Setup.desktop
  /usr/share/metainfo/org.quelmo.Setup.metainfo.xml
  /usr/share/icons/hicolor/48x48/apps/org.quelmo.Setup.png
  /usr/share/man/man1/quelmo.1.gz
  /usr/share/man/man1/quelmo-cli.1.gz
  /usr/share/doc/quelmo/copyright
  /usr/share/doc/quelmo/LICENSE
  /usr/share/doc/quelmo/NOTICE
)
for file in "${expected[@]}"; do
  grep -qx "$file" "$work/files.txt" || { echo "missing from the package: $file" >&2; exit 1; }
done
if grep -Ev '^/usr/(bin|share)/' "$work/files.txt"; then
  echo "files outside /usr/bin and /usr/share" >&2
  exit 1
fi

# The operator database comes from the distribution's package; libcurl and
# expat are opened at run time, where shlibdeps does not see them.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in mobile-broadband-provider-info libcurl4 libexpat1; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" ||
    { echo "the package does not depend on $package" >&2; exit 1; }
done

# The programs from the unpacked package: versions, and a write/check round trip.
version=$(sed -n 's/^project(quelmo$//;s/^  VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt)
cli="$work/root/usr/bin/quelmo-cli"
[[ $("$cli" --version) == *"$version"* ]] || { echo "quelmo-cli --version is not $version" >&2; exit 1; }
[[ $("$work/root/usr/bin/quelmo" --version) == "quelmo $version" ]] || { echo "quelmo --version is not $version" >&2; exit 1; }
echo '{"phone1": "+4915112345678", "picturesPerDay": 20}' > "$work/sms.json"
"$cli" write sms --out "$work" --settings "$work/sms.json" >/dev/null
"$cli" write camera --default --out "$work" >/dev/null
"$cli" check "$work/sms.dat" "$work/camera.dat"
env -u QUELMO_OPERATOR_DATABASE "$cli" operators --country gb --search giffgaff | grep -qF giffgaff.com
# Installed in a clean root, which holds the package and the packages it
# declares (with theirs) and nothing else: both programs start, and
# quelmo-cli opens expat for the operator database and libcurl for a dry
# test-email against a mail server on 127.0.0.1 (the tests' own servers).
clean="$work/clean-root"
scripts/package-root.py "$deb" "$clean" > "$work/clean-packages.txt"
echo "clean root: $(wc -l < "$work/clean-packages.txt") packages"
for package in libcurl4 libexpat1; do
  grep -qx "$package" "$work/clean-packages.txt" || { echo "no $package in the clean root" >&2; exit 1; }
done
in_clean() {
  if [[ $(id -u) -eq 0 ]]; then chroot "$clean" "$@"; else unshare -r chroot "$clean" "$@"; fi
}
[[ $(in_clean /usr/bin/quelmo-cli --version) == *"$version"* ]] ||
  { echo "quelmo-cli does not start in the clean root" >&2; exit 1; }
[[ $(in_clean /usr/bin/quelmo --version) == "quelmo $version" ]] ||
  { echo "quelmo does not start in the clean root" >&2; exit 1; }
in_clean /usr/bin/quelmo-cli operators --country gb --search giffgaff | grep -qF giffgaff.com ||
  { echo "operators fails in the clean root" >&2; exit 1; }

coproc servers { exec /usr/bin/python3 tests/mail_check/mail_servers.py "$clean/tmp/mail" >/dev/null; }
for _ in $(seq 600); do
  [[ -f "$clean/tmp/mail/ports.json" ]] && break
  kill -0 "$servers_PID" 2>/dev/null || { echo "the test mail servers did not start" >&2; exit 1; }
  sleep 0.1
done
port=$(python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["starttls"])' \
  "$clean/tmp/mail/ports.json")
cat > "$clean/tmp/gprs.json" <<JSON
{"apnMode": 1, "apn": "internet", "smtpServer": "127.0.0.1", "smtpPort": "$port",
 "senderEmail": "camera@quelmo.test", "senderPassword": "Pw-7q!xZ",
 "recipientEmail": "owner@quelmo.test"}
JSON
status=0
in_clean /usr/bin/quelmo-cli test-email --settings /tmp/gprs.json --ca-file /tmp/mail/ca.pem \
  --json > "$work/test-email.json" || status=$?
servers_input=${servers[1]}
exec {servers_input}>&-  # the servers end when their input closes
wait "$servers_PID" || true
grep -q '"outcome": "ready-to-send"' "$work/test-email.json" && [[ $status -eq 0 ]] ||
  { echo "test-email fails in the clean root (exit status $status):" >&2; cat "$work/test-email.json" >&2; exit 1; }

zcat "$work/root/usr/share/man/man1/quelmo-cli.1.gz" | grep -q '^\.TH QUELMO-CLI 1 .*'"$version"
echo "package checked"
