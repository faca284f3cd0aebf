#!/usr/bin/env bash
# The Windows step of the tests: cross-builds the core, quelmo.exe,
# quelmo-cli.exe and the tests with mingw-w64 from scratch, runs the tests
# under Wine in a throwaway prefix on a private X server (quelmo.exe's windows
# need one), checks that quelmo.exe and quelmo-cli.exe write the same bytes as
# the Linux quelmo-cli, and renders quelmo.exe's windows.
#
# The prefix and Wine's server folder live in one mktemp folder that goes at
# the end, whatever happened; the Wine server and the X server are stopped
# first. Nothing is left in the home folder.
#
#   QUELMO_LINUX_CLI  the Linux quelmo-cli to compare with (default: the one
#                     of build/ci, built here when missing)
#   QUELMO_JOBS       parallel build and test jobs (default: nproc)
#   QUELMO_WINDOWS_SCREENSHOTS  a folder to keep quelmo.exe's screenshots in
#                     (BMP, English, Chinese and German); by default they go
#                     with the scratch folder
#   QUELMO_WINDOWS_CURL  0 to build without libcurl (default: 1, a static
#                     libcurl with Schannel from Debian's curl source, built
#                     once into build/windows-deps/curl and kept there; when
#                     it cannot be built, the step goes on without it)
#   QUELMO_WINDOWS_REUSE_BUILD  1 to keep build/windows and only bring it up
#                     to date, for a quick local loop over the Wine part (a
#                     fresh prefix still, every time); CI leaves it unset and
#                     builds from scratch
set -euo pipefail
cd "$(dirname "$0")/.."

step_started=$SECONDS
jobs=${QUELMO_JOBS:-$(nproc)}

say() { printf '== %s (%ds)\n' "$*" $((SECONDS - step_started)); }

for tool in x86_64-w64-mingw32-g++-posix wine wineserver wineboot Xvfb; do
  if ! command -v "$tool" >/dev/null; then
    echo "test-windows.sh: $tool is missing; run scripts/install-deps.sh test" >&2
    exit 1
  fi
done

# --- Wine: a prefix of our own, a server warmed up while the build runs ---
scratch=$(mktemp -d "${TMPDIR:-/tmp}/quelmo-windows.XXXXXX")
export WINEPREFIX="$scratch/prefix"
export TMPDIR="$scratch/tmp"    # Wine keeps its server socket folder here
# Wine's error channel stays on: when a process cannot start, it says why.
export WINEDEBUG=-all,err+all
# No Mono or Gecko installer prompts, and no menu entries or file types
# written into the home folder.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$WINEPREFIX" "$TMPDIR"

# Every Wine process of the step starts with a fixed address space layout:
# Debian's Wine loader has no preloader, and with randomisation its heap now
# and then lands on the page each Windows process needs, which ends that
# process before it runs (see cmake/wine-run.sh, which does the same).
fixed_layout=()
if setarch "$(uname -m)" -R true 2>/dev/null; then
  fixed_layout=(setarch "$(uname -m)" -R)
fi
wine() { "${fixed_layout[@]}" env wine "$@"; }
wineboot() { "${fixed_layout[@]}" env wineboot "$@"; }
winepath() { "${fixed_layout[@]}" env winepath "$@"; }

# The processes running in our prefix, "pid name" a line (Wine's processes
# carry WINEPREFIX in their environment).
prefix_processes() {
  local proc
  for proc in /proc/[0-9]*; do
    grep -qzxF "WINEPREFIX=$WINEPREFIX" "$proc/environ" 2>/dev/null &&
      echo "${proc#/proc/} $(<"$proc/comm")"
  done 2>/dev/null || true
}
wine_server_pid() { prefix_processes | awk '$2 ~ /^wineserver/ { print $1 }'; }

prefix_pid=
xvfb_pid=
cleanup() {
  local status=$?
  [[ -n "$prefix_pid" ]] && kill "$prefix_pid" 2>/dev/null && wait "$prefix_pid" 2>/dev/null
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# --- An X server of our own: Xvfb picks a free display and tells us which ---
Xvfb -displayfd 3 -screen 0 2560x2048x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s "$scratch/display" ]] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
if [[ ! -s "$scratch/display" ]]; then
  echo "test-windows.sh: Xvfb did not start:" >&2
  cat "$scratch/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$scratch/display")"

# The prefix is made in the background, alongside the build. Its windows are
# not left to a window manager (there is none: Wine would wait for one at
# every window shown or hidden), and a CJK font from Debian's
# fonts-wqy-microhei stands in for the Chinese and Japanese glyphs that the
# dialogs' fonts lack, as Windows' own font links do.
cjk_font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
font_links='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
# One Wine server for the whole step, started here and ended at the end: a
# server that stopped after each program and started again with the next
# would race its own start and stop hundreds of times.
wineserver -p
wineserver_pid=$(wine_server_pid)
if [[ ! $wineserver_pid =~ ^[0-9]+$ ]]; then
  echo "test-windows.sh: no single Wine server for the prefix after wineserver -p: '$wineserver_pid'" >&2
  exit 1
fi
( wineboot -i &&
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f &&
  wine reg add "$font_links" /v Arial /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f &&
  wine reg add "$font_links" /v Tahoma /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f &&
  { [[ ! -f "$cjk_font" ]] || cp "$cjk_font" "$WINEPREFIX/drive_c/windows/Fonts/"; } &&
  wine cmd.exe /c exit ) >"$scratch/wineboot.log" 2>&1 &
prefix_pid=$!

# --- libcurl for Windows: from Debian's source of curl, kept between runs ---
curl_root=
if [[ ${QUELMO_WINDOWS_CURL:-1} != 0 ]]; then
  mkdir -p build/windows-deps
  curl_log=build/windows-deps/curl-build.log
  if QUELMO_JOBS=$jobs scripts/build-curl-windows.sh "$PWD/build/windows-deps/curl" >"$curl_log" 2>&1; then
    curl_root=$PWD/build/windows-deps/curl
    say "libcurl for Windows ready: $(tail -n1 "$curl_log")"
    # The zip's NOTICE names the version its programs carry.
    curl_version=$(<"$curl_root/curl.version")
    grep -qF "curl $curl_version" NOTICE ||
      echo "test-windows.sh: note: NOTICE does not name curl $curl_version, which the Windows programs now carry"
  else
    sed 's/^/    /' "$curl_log" | tail -n 20
    echo "test-windows.sh: note: libcurl for Windows could not be built (the whole output is in" \
         "$curl_log); the Windows build goes on without it, and the e-mail test says it is not" \
         "available there"
  fi
fi

# --- The cross build ---
if [[ ${QUELMO_WINDOWS_REUSE_BUILD:-0} == 1 && -f build/windows/CMakeCache.txt ]]; then
  say "reusing build/windows (QUELMO_WINDOWS_REUSE_BUILD=1)"
else
  rm -rf build/windows
  cmake --preset=windows -DQUELMO_CURL_WINDOWS_ROOT="$curl_root" >/dev/null
fi
# The compiler's output goes to a log; its errors are shown when it fails.
build_log=build/windows/cross-build.log
if ! cmake --build --preset=windows -j "$jobs" >"$build_log" 2>&1; then
  grep -E -B2 -A12 'error|FAILED' "$build_log" | head -200 >&2
  echo "test-windows.sh: the cross build failed; the whole output is in $build_log" >&2
  exit 1
fi
say "cross build done"

# --- The Linux quelmo-cli to compare with ---
linux_cli=${QUELMO_LINUX_CLI:-build/ci/src/cli/quelmo-cli}
if [[ ! -x "$linux_cli" ]]; then
  cmake --preset=nogui >/dev/null
  cmake --build --preset=nogui -j "$jobs" --target quelmo-cli >/dev/null
  linux_cli=build/nogui/src/cli/quelmo-cli
fi

if ! wait "$prefix_pid"; then
  prefix_pid=
  echo "test-windows.sh: the Wine prefix could not be made:" >&2
  cat "$scratch/wineboot.log" >&2
  exit 1
fi
prefix_pid=
# wineboot may still be finishing the prefix in processes of its own; the
# tests start once it is done.
for _ in $(seq 600); do
  prefix_processes | grep -Eq ' (wineboot|rundll32|msiexec)' || break
  sleep 0.1
done
if [[ $(wine_server_pid) != "$wineserver_pid" ]]; then
  echo "test-windows.sh: the Wine server started for the step (pid $wineserver_pid) is gone:" \
       "$(wine_server_pid)" >&2
  exit 1
fi
say "Wine prefix ready (Wine server pid $wineserver_pid)"

# --- The tests under Wine ---
# The form tests leave the files they saved through quelmo.exe's windows,
# and the settings they picked there, for the comparison below.
road="$scratch/road"
mkdir -p "$road"
# A failing test's own output is shown: under Wine it may fail where it never
# does at home, and its words are all there is to go on. Each test program
# runs once, with all its cases (tests/CMakeLists.txt).
tests_started=$SECONDS
QUELMO_ROAD_OUT=$(winepath -w "$road") ctest --preset=windows -j "$jobs" --output-on-failure
if [[ $(wine_server_pid) != "$wineserver_pid" ]]; then
  echo "test-windows.sh: the Wine server was ended or restarted during the tests" \
       "(pid $wineserver_pid before, now: $(wine_server_pid))" >&2
  exit 1
fi
say "tests under Wine passed in $((SECONDS - tests_started))s, one Wine server throughout"

# --- quelmo.exe's forms write what the Linux build writes ---
# Each saved file <name>.dat comes with <name>.json, the settings picked and
# typed; the name starts with the file's kind ("mms-auto").
for name in camera sms mms mms-auto gprs gprs-auto; do
  [[ -s "$road/$name.dat" && -s "$road/$name.json" ]] || {
    echo "test-windows.sh: the form tests left no $name.dat with its settings" >&2
    exit 1
  }
done
for settings_file in "$road"/*.json; do
  name=$(basename "$settings_file" .json)
  kind=${name%%-*}
  mkdir -p "$road/linux/$name"
  "$linux_cli" write "$kind" --settings "$settings_file" --out "$road/linux/$name" >/dev/null
  cmp "$road/$name.dat" "$road/linux/$name/$kind.dat"
done
say "quelmo.exe's four forms write the same bytes as the Linux build"

# --- quelmo-cli.exe writes what the Linux build writes ---
# The same settings (a fixed clock; texts in Chinese, with the euro sign)
# through both programs; the Windows one reads and writes in folders whose
# names no ANSI code page holds. Wine reads the Unix command line as UTF-8
# under a UTF-8 locale.
cli="$scratch/cli"
settings="$cli/设置 Einstellungen"
windows_out="$cli/windows/相机 Müller ❄"
mkdir -p "$settings" "$cli/linux/default" "$windows_out/default"
cat >"$settings/camera.json" <<'JSON'
{"cameraMode": 1, "imageSize": "5MP", "videoSize": 1, "pictureCount": 2, "videoLength": "10 Sec",
 "timeStamp": 1, "pirInterval": "30 Sec", "senseLevel": 2, "beep": 1,
 "timer1Enabled": 1, "timer1StartHour": 6, "timer1StartMinute": 30, "timer1StopHour": 20,
 "timer1StopMinute": 15, "timeLapse": 1, "timeLapseHours": 1, "timeLapseMinutes": 2,
 "timeLapseSeconds": 3, "serialEnabled": 1, "serialChars": ["A", "0", "Z", "9"],
 "sendMode": "MMS", "clock": "2024-02-29T23:59:58", "cameraLanguage": 3, "tvMode": 1}
JSON
cat >"$settings/mms.json" <<'JSON'
{"mode": "Customer", "url": "http://mms.example.com/mms", "apn": "mms.example",
 "gateway": "10.0.0.1", "port": "8080", "account": "用户", "password": "秘密pw",
 "phone": "+4915112345678", "receiveEmail": "kamera@example.de",
 "phoneOrEmail2": "+8613800138000", "picturesPerDay": 20, "smsControl": "2 Hour",
 "cameraLanguage": 1, "tvMode": 1}
JSON
cat >"$settings/gprs.json" <<'JSON'
{"apnMode": "Customer", "apn": "internet.example", "gprsAccount": "帐号", "gprsPassword": "pw€",
 "smtpServer": "smtp.example.com", "smtpPort": "587", "senderEmail": "cam@example.com",
 "senderPassword": "发件", "recipientEmail": "me@example.com",
 "smsControlPhone": "+4915112345678", "smsControl": "30 Min", "picturesPerDay": 7,
 "cameraLanguage": 10}
JSON
cat >"$settings/sms.json" <<'JSON'
{"phone1": "+4915112345678", "phone2": "13800138000", "phone3": "", "picturesPerDay": 99,
 "smsControl": "Off", "cameraLanguage": 3}
JSON

windows_cli() {
  LC_ALL=C.UTF-8 timeout 60 cmake/wine-run.sh build/windows/src/cli/quelmo-cli.exe "$@"
}
windows_path() { LC_ALL=C.UTF-8 winepath -w "$1"; }

for kind in camera mms gprs sms; do
  "$linux_cli" write "$kind" --out "$cli/linux" --settings "$settings/$kind.json" >/dev/null
  windows_cli write "$kind" --out "$(windows_path "$windows_out")" \
    --settings "$(windows_path "$settings/$kind.json")" >/dev/null
done
"$linux_cli" write camera --default --camera-language 9 --out "$cli/linux/default" >/dev/null
windows_cli write camera --default --camera-language 9 \
  --out "$(windows_path "$windows_out/default")" >/dev/null

# The same files, nothing else (no setup.dat, no temporary file).
diff <(cd "$cli/linux" && find . -type f | sort) <(cd "$windows_out" && find . -type f | sort)
for file in camera.dat mms.dat gprs.dat sms.dat default/camera.dat; do
  cmp "$cli/linux/$file" "$windows_out/$file"
done
say "quelmo-cli.exe writes the same bytes as the Linux build"

# A profile exported by the Linux build and imported by the Windows one gives
# the same files again.
"$linux_cli" export --reveal "$cli/linux" >"$settings/profile.json"
mkdir -p "$windows_out/imported"
windows_cli import "$(windows_path "$settings/profile.json")" \
  --out "$(windows_path "$windows_out/imported")" >/dev/null
diff <(cd "$cli/linux" && find . -maxdepth 1 -type f | sort) \
  <(cd "$windows_out/imported" && find . -type f | sort)
for file in camera.dat mms.dat gprs.dat sms.dat; do
  cmp "$cli/linux/$file" "$windows_out/imported/$file"
done
say "quelmo-cli.exe imports a profile into the same bytes"

# --- quelmo.exe renders every window in English, Chinese and German ---
shots=${QUELMO_WINDOWS_SCREENSHOTS:-$scratch/screenshots}
mkdir -p "$shots"
for language in 2 1 3; do
  LC_ALL=C.UTF-8 timeout 120 cmake/wine-run.sh build/windows/src/win32/quelmo.exe \
    --screenshots "$(windows_path "$shots")" --language "$language"
done
for window in launcher about camera mms smtp sms; do
  for code in en zh de; do
    [[ -s "$shots/$window-$code.bmp" ]] || { echo "test-windows.sh: no $window-$code.bmp" >&2; exit 1; }
  done
done
say "quelmo.exe rendered its windows"

# --- The same at 144 and 192 dpi (Windows' 150 % and 200 %) ---
# Wine takes the DPI from LogPixels, as Windows did before per-monitor DPI:
# the dialogs and their fonts scale with it, and every text is still whole.
desktop='HKCU\Control Panel\Desktop'
for dpi in 144 192; do
  wine reg add "$desktop" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  timeout 600 cmake/wine-run.sh build/windows/tests/win32/quelmo_win32_tests.exe \
    --gtest_filter='*EveryWindowOpensInEveryLanguageWithItsTextsWhole*:*TabGoesInReadingOrder*' \
    >"$scratch/tests-$dpi.log" 2>&1 ||
    { cat "$scratch/tests-$dpi.log" >&2; echo "test-windows.sh: texts not whole at $dpi dpi" >&2; exit 1; }
  mkdir -p "$shots/$dpi"
  for language in 2 1 3; do
    LC_ALL=C.UTF-8 timeout 120 cmake/wine-run.sh build/windows/src/win32/quelmo.exe \
      --screenshots "$(windows_path "$shots/$dpi")" --language "$language"
  done
  # A window scaled to the DPI is wider than at 96 dpi by about that much.
  wide=$(od -An -t d4 -j 18 -N 4 "$shots/$dpi/camera-en.bmp" | tr -d ' ')
  narrow=$(od -An -t d4 -j 18 -N 4 "$shots/camera-en.bmp" | tr -d ' ')
  (( wide * 96 >= narrow * dpi * 9 / 10 )) ||
    { echo "test-windows.sh: the camera form is $wide pixels wide at $dpi dpi, $narrow at 96" >&2; exit 1; }
done
wine reg add "$desktop" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
say "quelmo.exe's windows scale at 144 and 192 dpi with their texts whole"

# --- The download: a zip that unpacks and runs ---
(cd build/windows && cpack -G ZIP >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
zip_file=build/windows/quelmo-$version-windows-x64.zip
unpacked="$scratch/unpacked"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$OLDPWD/$zip_file")
folder=$(basename "$zip_file" .zip)
diff <(cd "$unpacked/$folder" && ls | LC_ALL=C sort) \
  <(printf '%s\n' LICENSE.txt NOTICE.txt README.txt locale quelmo-cli.exe quelmo.exe \
      serviceproviders.xml | LC_ALL=C sort)
# The country names of the operator finder, one catalogue per language of
# the windows but English.
diff <(cd "$unpacked/$folder" && find locale -type f | LC_ALL=C sort) \
  <(awk '/^[0-9]/ && $3 != "-" { print "locale/" $4 "/LC_MESSAGES/iso_3166-1.mo" }' po/languages.txt |
      LC_ALL=C sort)
LC_ALL=C.UTF-8 timeout 60 cmake/wine-run.sh "$unpacked/$folder/quelmo-cli.exe" --version | grep -qF "$version"
# The operator database beside the programs is the one they read.
LC_ALL=C.UTF-8 timeout 60 cmake/wine-run.sh "$unpacked/$folder/quelmo-cli.exe" operators \
  --country gb --search giffgaff | grep -qF "giffgaff.com"
say "$zip_file unpacks and runs"

say "Windows step done"
