#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
#   install-deps.sh build   compiler, CMake, Python (the catalogues' generator),
#                           libraries, Qt, test frameworks, iso-codes (the
#                           country names the Windows zip ships)
#   install-deps.sh run     the above, the fonts the windows need (full CJK) and
#                           Qt's translations of its own buttons
#   install-deps.sh test    the above, gettext (msgfmt checks the catalogues),
#                           a smaller CJK font, clang with its
#                           sanitizer and libFuzzer runtimes, the mail
#                           servers of the e-mail test's tests, and what the
#                           Windows cross build and its tests under Wine need,
#                           with a source entry beside the system's package
#                           entries for the Windows libcurl's source
#                           (scripts/build-curl-windows.sh)
set -euo pipefail

what=${1:-build}
packages=(cmake ninja-build g++ pkg-config
          libgtest-dev libgmock-dev libbenchmark-dev
          nlohmann-json3-dev libcli11-dev libexpat1-dev mobile-broadband-provider-info
          python3 iso-codes
          libcurl4-openssl-dev ca-certificates
          qt6-base-dev qt6-base-dev-tools libgl-dev)
case "$what" in
  build) ;;
  run)  packages+=(fonts-noto-cjk fonts-dejavu-core fonts-liberation qt6-translations-l10n) ;;
  test) packages+=(fonts-wqy-microhei fonts-dejavu-core fonts-liberation qt6-translations-l10n
                   gettext
                   dpkg-dev file lintian desktop-file-utils appstream
                   clang libclang-rt-14-dev
                   python3-aiosmtpd openssl) ;;
  *) echo "usage: $0 build|run|test" >&2; exit 2 ;;
esac
if [[ -f "$(dirname "$0")/windows-packages.txt" && "$what" == test ]]; then
  mapfile -t extra < <(grep -v '^#' "$(dirname "$0")/windows-packages.txt" | grep .)
  packages+=("${extra[@]}")
fi

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive

# The Windows step builds libcurl from Debian's source package of curl
# (apt-get source), which needs a deb-src entry for each of the system's
# Debian entries. They go in a file of our own, written once; the system's
# files are left as they are. Nothing here stops the install: without the
# entry the Windows step builds without libcurl.
source_list=/etc/apt/sources.list.d/quelmo-deb-src.sources
source_entries() {
  # deb822 files: each stanza whose types hold "deb", as "deb-src".
  if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /(^|\n)Types:[^\n]*(^|[ \t])deb([ \t]|\n|$)/ &&
         !/(^|\n)Enabled:[ \t]*no/ {
           sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print
         }' /etc/apt/sources.list.d/debian.sources
  fi
  # One-line files: each "deb" line as "deb-src", in deb822 form.
  if [[ -f /etc/apt/sources.list ]]; then
    sed -n 's/^[[:space:]]*deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?//p' /etc/apt/sources.list |
      while read -r uri suite components; do
        [[ -n "$components" ]] &&
          printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n\n' "$uri" "$suite" "$components"
      done
  fi
}
have_source_entries() {
  grep -rqsE '^[[:space:]]*(deb-src[[:space:]]|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/
}
new_sources=0
if [[ "$what" == test ]] && ! have_source_entries; then
  entries=$(source_entries)
  if [[ -n "$entries" ]]; then
    echo "Adding deb-src entries in $source_list"
    printf '# Written by quelmo scripts/install-deps.sh: source packages for the Windows libcurl.\n%s\n' \
      "$entries" | "${sudo[@]}" tee "$source_list" >/dev/null
    new_sources=1
  else
    echo "install-deps.sh: no Debian package entry to add a source entry beside;" \
         "the Windows build goes without libcurl" >&2
  fi
fi
# The source index is read once after the entry appears (or when it never
# was: a run that failed before).
if [[ "$what" == test ]] && have_source_entries && ! apt-cache showsrc curl >/dev/null 2>&1; then
  new_sources=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 && $new_sources -eq 0 ]] && exit 0

if ! "${sudo[@]}" apt-get update -qq; then
  [[ ${#missing[@]} -eq 0 ]] || exit 1
  echo "install-deps.sh: apt-get update failed; the Windows build may go without libcurl" >&2
  exit 0
fi
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get install -y -qq "${missing[@]}"
