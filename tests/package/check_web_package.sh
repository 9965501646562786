#!/usr/bin/env bash
# The web zip (scripts/package-web): unpacked into a fresh folder, served on
# 127.0.0.1 and opened in headless Chromium, whose canvas must show the render
# tool's first frame (scripts/test-web's first story, on the unpacked site).
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/package-web >/dev/null
version="$(sed -n 's/^project(.* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
zip="build-web/packages/tovrin-mini-$version-web.zip"
work="$(mktemp -d "${TMPDIR:-/tmp}/tovrin-web-package.XXXXXX")"
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
site="$(dirname "$(find "$work" -name index.html | head -n 1)")"
[ -f "$site/service-worker.js" ] && [ -f "$site/tovrin-mini.wasm" ] ||
    { echo "FAIL the zip holds no site: $(cd "$work" && find . -type f | head)"; exit 1; }
scripts/test-web "$site" the_first_frame
