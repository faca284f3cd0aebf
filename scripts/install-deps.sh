#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
#   install-deps.sh build   compiler, CMake, libraries, Qt, test frameworks
#   install-deps.sh run     the above and the fonts the windows need (full CJK)
#   install-deps.sh test    the above, a smaller CJK font, clang with its
#                           sanitizer and libFuzzer runtimes, the mail
#                           servers of the e-mail test's tests, and what the
#                           Windows cross build and its tests under Wine need
set -euo pipefail

what=${1:-build}
packages=(cmake ninja-build g++ pkg-config
          libgtest-dev libgmock-dev libbenchmark-dev
          nlohmann-json3-dev libcli11-dev libcurl4-openssl-dev ca-certificates
          qt6-base-dev qt6-base-dev-tools libgl-dev)
case "$what" in
  build) ;;
  run)  packages+=(fonts-noto-cjk fonts-dejavu-core fonts-liberation) ;;
  test) packages+=(fonts-wqy-microhei fonts-dejavu-core fonts-liberation
                   dpkg-dev file lintian desktop-file-utils appstream
                   clang libclang-rt-14-dev
                   python3-aiosmtpd openssl) ;;
  *) echo "usage: $0 build|run|test" >&2; exit 2 ;;
esac
if [[ -f "$(dirname "$0")/windows-packages.txt" && "$what" == test ]]; then
  mapfile -t extra < <(grep -v '^#' "$(dirname "$0")/windows-packages.txt" | grep .)
  packages+=("${extra[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq "${missing[@]}"
