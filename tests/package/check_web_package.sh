#!/usr/bin/env bash
# The web zip (scripts/package-web): unpacked into a fresh folder, served on
# 127.0.0.1 and opened in headless Chromium, whose canvas must show the render
# tool's first frame. The render tool is TOVRIN_RENDER, else the default
# build's, else one built in build-webhost/.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/package-web >/dev/null
version="$(sed -n 's/^project(.* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
zip="build-web/packages/tovrin-mini-$version-web.zip"
[ -f "$zip" ] || { echo "FAIL no $zip"; exit 1; }
render="${TOVRIN_RENDER:-build/tools/render/tovrin-mini-render}"
if [ ! -x "$render" ]; then
    cmake -S . -B build-webhost -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTOVRIN_BUILD_GTK=OFF -DTOVRIN_BUILD_TESTS=OFF -DTOVRIN_BUILD_BENCHMARKS=OFF >/dev/null
    cmake --build build-webhost --target tovrin-mini-render >/dev/null
    render=build-webhost/tools/render/tovrin-mini-render
fi
(cd tests/e2e/web && npm ci --no-audit --no-fund --loglevel=error >/dev/null)

work="$(mktemp -d "${TMPDIR:-/tmp}/tovrin-web-package.XXXXXX")"
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
site="$(dirname "$(find "$work" -name index.html | head -n 1)")"
[ -f "$site/service-worker.js" ] && [ -f "$site/tovrin-mini.wasm" ] ||
    { echo "FAIL the zip holds no site: $(cd "$work" && find . -type f | head)"; exit 1; }
timeout -k 10 120 python3 tests/e2e/web/stories.py "$site" "$render" the_first_frame |
    grep -v '^  \|^site:' && echo "PASS the web zip's first frame"
