#!/usr/bin/env bash
# Cross-builds a static libcurl for 64-bit Windows (mingw-w64, posix threads
# variant) from Debian's source package of curl, with the system's TLS
# (Schannel) and SMTP alone, and installs its headers and libcurl.a into DEST.
#
#   scripts/build-curl-windows.sh DEST
#
# DEST/quelmo-curl.stamp names the source version and this recipe; when it
# matches, nothing is built again. The source comes from `apt-get source curl`
# (scripts/install-deps.sh test adds the deb-src entry it needs) and is kept
# unpacked in a cache folder, reused while the archive offers no newer one.
#
#   QUELMO_CURL_CACHE   where the unpacked source is kept
#                       (default: DEST/../cache)
#   QUELMO_CURL_SOURCE  an unpacked curl source tree to build instead (its
#                       debian/changelog gives the version)
#   QUELMO_JOBS         parallel build jobs (default: nproc)
#
# It prints what it did on stdout and exits non-zero with a line on stderr
# when it could not: the Windows step then builds without libcurl.
set -euo pipefail

if [[ $# -ne 1 ]]; then
  echo "usage: $0 DEST" >&2
  exit 2
fi
script=$(readlink -f "$0")
dest=$(mkdir -p "$1" && cd "$1" && pwd)
cache=${QUELMO_CURL_CACHE:-$(dirname "$dest")/cache}
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)
jobs=${QUELMO_JOBS:-$(nproc)}
triple=x86_64-w64-mingw32
cc=$triple-gcc-posix
started=$SECONDS

fail() { echo "build-curl-windows.sh: $*" >&2; exit 1; }
command -v "$cc" >/dev/null || fail "$cc is missing; run scripts/install-deps.sh test"
command -v cmake >/dev/null || fail "cmake is missing"

# --- The source: a tree given, the archive's newest, or the cached one ---
changelog_version() { dpkg-parsechangelog -l "$1/debian/changelog" -S Version 2>/dev/null; }
if [[ -n "${QUELMO_CURL_SOURCE:-}" ]]; then
  source_dir=$(cd "$QUELMO_CURL_SOURCE" && pwd)
  version=$(changelog_version "$source_dir") || fail "no debian/changelog in $source_dir"
else
  # The newest version the source entries offer (none without them).
  offered=$(apt-cache showsrc --only-source curl 2>/dev/null |
              sed -n 's/^Version: //p' | sort -V | tail -n1 || true)
  cached_version=
  if [[ -s "$cache/curl.version" && -d "$cache/curl" ]]; then
    cached_version=$(<"$cache/curl.version")
  fi
  if [[ -n "$offered" && "$offered" != "$cached_version" ]]; then
    command -v dpkg-source >/dev/null || fail "dpkg-source is missing (package dpkg-dev)"
    fetch=$(mktemp -d "$cache/fetch.XXXXXX")
    echo "Fetching Debian's curl $offered source"
    if ! (cd "$fetch" && apt-get source -qq "curl=$offered" >apt-get-source.log 2>&1); then
      tail -n 5 "$fetch/apt-get-source.log" >&2
      rm -rf "$fetch"
      [[ -n "$cached_version" ]] || fail "apt-get source curl=$offered failed"
      echo "build-curl-windows.sh: the fetch failed; building the cached $cached_version" >&2
    else
      unpacked=$(find "$fetch" -mindepth 1 -maxdepth 1 -type d -name 'curl-*' | head -n1)
      [[ -n "$unpacked" ]] || fail "apt-get source left no curl-* folder"
      rm -rf "$cache/curl" "$cache/curl.version"
      mv "$unpacked" "$cache/curl"
      printf '%s\n' "$offered" >"$cache/curl.version"
      rm -rf "$fetch"
      cached_version=$offered
    fi
  fi
  [[ -n "$cached_version" ]] ||
    fail "no curl source: no deb-src entry for it (scripts/install-deps.sh test adds one) and none cached in $cache"
  source_dir=$cache/curl
  version=$cached_version
fi

# --- What is built: the stamp names the version, the recipe and the compiler ---
recipe=$(sha256sum "$script" | cut -c1-16)
compiler=$("$cc" -dumpfullversion 2>/dev/null || "$cc" -dumpversion)
stamp="curl $version; recipe $recipe; $cc $compiler"
if [[ -f "$dest/lib/libcurl.a" && -f "$dest/include/curl/curl.h" &&
      -f "$dest/quelmo-curl.stamp" && "$(<"$dest/quelmo-curl.stamp")" == "$stamp" ]]; then
  echo "libcurl $version for Windows is up to date in $dest"
  exit 0
fi

# --- The build: static, Schannel, SMTP and nothing else ---
work=$(mktemp -d "$cache/build.XXXXXX")
trap 'rm -rf "$work"' EXIT
rm -rf "$dest/include" "$dest/lib" "$dest/quelmo-curl.stamp"
echo "Building libcurl $version for Windows (Schannel, SMTP only) into $dest"
options=(
  -G Ninja
  -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_SYSTEM_NAME=Windows
  -DCMAKE_SYSTEM_PROCESSOR=x86_64
  -DCMAKE_C_COMPILER="$cc"
  -DCMAKE_RC_COMPILER="$triple-windres"
  -DCMAKE_FIND_ROOT_PATH="/usr/$triple"
  -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER
  -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY
  -DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY
  -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=ONLY
  -DCMAKE_INSTALL_PREFIX="$dest"
  -DBUILD_SHARED_LIBS=OFF
  -DBUILD_CURL_EXE=OFF
  -DBUILD_TESTING=OFF
  -DENABLE_MANUAL=OFF
  -DPICKY_COMPILER=OFF
  -DCURL_ENABLE_EXPORT_TARGET=ON  # (it also installs the library)
  # TLS: Windows' own, with its certificate store; no CA bundle path baked in.
  -DCURL_USE_SCHANNEL=ON
  -DCURL_USE_OPENSSL=OFF
  -DCURL_WINDOWS_SSPI=ON
  -DCURL_CA_BUNDLE=none
  -DCURL_CA_PATH=none
  # Networking: IPv6, names looked up in a thread of Windows' own.
  -DENABLE_IPV6=ON
  -DENABLE_THREADED_RESOLVER=ON
  -DENABLE_ARES=OFF
  -DENABLE_UNIX_SOCKETS=OFF
  # SMTP alone, and HTTP, which cannot go: Debian's backported fixes have
  # the SMTP code (pingpong.c) call a function of http.c
  # (Curl_bump_headersize) that CURL_DISABLE_HTTP leaves out.
  -DCURL_DISABLE_SMTP=OFF
  -DCURL_DISABLE_DICT=ON -DCURL_DISABLE_FILE=ON -DCURL_DISABLE_FTP=ON
  -DCURL_DISABLE_GOPHER=ON -DCURL_DISABLE_IMAP=ON
  -DCURL_DISABLE_LDAP=ON -DCURL_DISABLE_LDAPS=ON -DCURL_DISABLE_MQTT=ON
  -DCURL_DISABLE_POP3=ON -DCURL_DISABLE_RTSP=ON -DCURL_DISABLE_SMB=ON
  -DCURL_DISABLE_TELNET=ON -DCURL_DISABLE_TFTP=ON
  -DCURL_DISABLE_PROXY=ON -DCURL_DISABLE_COOKIES=ON -DCURL_DISABLE_ALTSVC=ON
  -DCURL_DISABLE_HSTS=ON -DCURL_DISABLE_DOH=ON -DCURL_DISABLE_NETRC=ON
  -DCURL_DISABLE_HTTP_AUTH=ON
  # No other library.
  -DCURL_ZLIB=OFF -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF
  -DUSE_LIBIDN2=OFF -DUSE_WIN32_IDN=OFF -DCURL_USE_LIBPSL=OFF
  -DCURL_USE_LIBSSH2=OFF -DCURL_USE_LIBSSH=OFF -DCURL_USE_GSSAPI=OFF
  -DUSE_NGHTTP2=OFF -DUSE_NGTCP2=OFF -DUSE_QUICHE=OFF -DUSE_MSH3=OFF
  -DUSE_WIN32_LDAP=OFF
)
log=$work/build.log
if ! { cmake -S "$source_dir" -B "$work/build" "${options[@]}" &&
       cmake --build "$work/build" -j "$jobs" &&
       cmake --install "$work/build"; } >"$log" 2>&1; then
  grep -E -B2 -A8 'error|Error|FAILED' "$log" | head -60 >&2 || tail -n 40 "$log" >&2
  rm -rf "$dest/include" "$dest/lib"
  fail "the build of libcurl $version failed"
fi
# Only the headers and the library are kept.
rm -rf "$dest/bin" "$dest/share" "$dest/lib/cmake"
[[ -f "$dest/lib/libcurl.a" ]] || fail "the build left no $dest/lib/libcurl.a"
printf '%s\n' "$version" >"$dest/curl.version"
printf '%s\n' "$stamp" >"$dest/quelmo-curl.stamp"
echo "libcurl $version for Windows built in $((SECONDS - started)) s"
