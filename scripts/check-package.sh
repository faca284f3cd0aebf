#!/usr/bin/env bash
# Builds the Debian package from a configured build folder and checks it: the
# desktop entry, the AppStream metadata, lintian, the file list, and the
# programs run from the unpacked package.
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

# The operator database comes from the distribution's package.
dpkg-deb -f "$deb" Depends | grep -q 'mobile-broadband-provider-info' ||
  { echo "the package does not depend on mobile-broadband-provider-info" >&2; exit 1; }

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
zcat "$work/root/usr/share/man/man1/quelmo-cli.1.gz" | grep -q '^\.TH QUELMO-CLI 1 .*'"$version"
echo "package checked"
