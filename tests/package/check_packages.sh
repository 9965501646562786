#!/usr/bin/env bash
# Builds both packages and checks them: desktop entry, AppStream, lintian, one
# version everywhere; the .deb installed, its game's first frame under Xvfb, then
# removed without a trace; the zip's program's first frame under Wine; the
# installed programs on a processor of the amd64 baseline; the web zip's first
# frame in Chromium. As root.
set -euo pipefail
cd "$(dirname "$0")/../.."

started=$SECONDS
deb="$(scripts/package | tail -n 1)"
zip="$(scripts/package-windows | tail -n 1)"
work="$(mktemp -d "${TMPDIR:-/tmp}/tovrin-packages.XXXXXX")"
trap 'rm -rf "$work"' EXIT
failed=0; fail() { echo "FAIL $*"; failed=1; }

dpkg-deb -x "$deb" "$work/deb" && unzip -q "$zip" -d "$work/zip"
exe="$(echo "$work"/zip/tovrin-mini-*-win64/tovrin-mini.exe)"
metainfo="$(echo "$work"/deb/usr/share/metainfo/*.metainfo.xml)"
desktop-file-validate "$work"/deb/usr/share/applications/*.desktop || fail "desktop-file-validate"
out="$(appstreamcli validate --no-net "$metainfo")" && ! grep '^[EW]:' <<<"$out" || fail "appstreamcli"
lintian --fail-on error "$deb" 2>/dev/null || fail "lintian reports errors"  # not "as root"

# ---- One version: the project's, wherever a player can read it ----------------
version="$(sed -n 's/^project(.* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
agree() { [ "$2" = "$version" ] || fail "version: $1 says '$2', the project $version"; }
# The number in the Version box's text: Tovrin, みに in Shift_JIS, Version.
box() { LC_ALL=C grep -aoP 'Tovrin\x82\xDD\x82\xC9 Version \K[0-9][0-9.]*' "$1" | head -n 1; }
agree "the .deb's control file" "$(dpkg-deb -f "$deb" Version)"
agree "the zip's name" "$(basename "$zip" | sed 's/^tovrin-mini-\(.*\)-win64\.zip$/\1/')"
agree "the metainfo's release" "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo")"
agree "the Linux Version box" "$(box "$work/deb/usr/games/tovrin-mini")"
agree "the Windows Version box" "$(box "$exe")"
agree "the exe's FileVersion and ProductVersion" \
    "$(strings -el "$exe" | grep --no-group-separator -A1 -xE 'FileVersion|ProductVersion' | grep -v Version | sort -u)"
for tool in "$work"/deb/usr/bin/*; do  # the tools that answer --version
    if "$tool" --version >/dev/null 2>&1; then agree "$tool --version" "$("$tool" --version |
        grep -oE '[0-9]+\.[0-9]+\.[0-9]+')"; fi
done

# ---- Installed, started, removed ------------------------------------------------
apt() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y -q "$@" >>"$work/apt.log"; }
apt install "./$deb" || fail "apt-get install: $(tail -n 5 "$work/apt.log")"
# The amd64 baseline: qemu's Core 2 has no POPCNT, which the solver may only
# use where the processor reports it. A newer instruction ends in SIGILL.
core2() { timeout -k 5 120 qemu-x86_64 -cpu core2duo "$@"; }
core2 /usr/bin/tovrin-mini-solve --difficulty normal --seeds 1..3 >/dev/null &&
    core2 /usr/bin/tovrin-mini-render --layout large --difficulty normal --seed 1 --moves "5,0 6,0 H" \
        --out "$work/core2.png" || fail "a tool on a Core 2 processor"
status=0; env -u DISPLAY -u WAYLAND_DISPLAY qemu-x86_64 -cpu core2duo /usr/games/tovrin-mini \
    2>/dev/null || status=$?
[ $status -eq 1 ] || fail "the game on a Core 2 processor: exit $status, not 1 for no display"
(   # an Xvfb display and a Wine prefix for both; the work files go into $work
    source tests/e2e/win32/wine_session.sh && wine_session_start && export TMPDIR="$work"
    timeout -k 5 60 python3 tests/package/first_frame.py linux /usr/games/tovrin-mini \
        /usr/bin/tovrin-mini-render &&
    timeout -k 5 90 python3 tests/package/first_frame.py wine "$exe" /usr/bin/tovrin-mini-render
) || fail "a first frame: the installed game's under Xvfb, or the unpacked exe's under Wine"
tests/package/check_web_package.sh || fail "the web zip's first frame in Chromium"
apt remove --purge tovrin-mini || fail "apt-get remove: $(tail -n 5 "$work/apt.log")"
for path in $(cd "$work/deb" && find usr -type f) usr/share/tovrin-mini usr/share/doc/tovrin-mini; do
    [ ! -e "/$path" ] || fail "/$path is left after removal"; done
echo "package checks took $((SECONDS - started)) s"
exit $failed
