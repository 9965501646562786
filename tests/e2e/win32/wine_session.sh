# A private Wine prefix and an Xvfb display for one test run, sourced by
# scripts/test-windows.
#
#   wine_session_start    starts the display, makes the prefix and exports
#                         DISPLAY, WINEPREFIX and the Wine settings
#   wine_session_stop     ends the prefix's wineserver and the display and
#                         removes the prefix (also on exit)
#
# The prefix is made once per run and shared by every test executable and
# the end-to-end test; a cold one takes 5 to 10 s.

wine_session_start() {
    WINE_SESSION_DIR="$(mktemp -d "${TMPDIR:-/tmp}/tovrin-wine.XXXXXX")"
    export WINEPREFIX="$WINE_SESSION_DIR/prefix"
    export WINEARCH=win64
    export WINEDEBUG=-all
    # No .NET or Gecko installers at start, and no audio drivers: the tests
    # need no sound device and must not wait for one.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
    trap wine_session_stop EXIT
    mkdir -p "$WINEPREFIX"

    # The display comes first: Wine's desktop process, started with the
    # wineserver, stays on whatever display it found (none means no
    # windows at all for the programs that follow).
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WINE_SESSION_DIR/display" \
        </dev/null >/dev/null 2>&1 &
    WINE_SESSION_XVFB=$!
    local waited=0
    until grep -q '^[0-9]' "$WINE_SESSION_DIR/display" 2>/dev/null; do
        if [ $waited -ge 200 ] || ! kill -0 "$WINE_SESSION_XVFB" 2>/dev/null; then
            echo "wine_session: Xvfb did not start" >&2
            return 1
        fi
        sleep 0.05
        waited=$((waited + 1))
    done
    export DISPLAY=":$(head -n 1 "$WINE_SESSION_DIR/display")"

    # One wineserver for the whole run, started first and without a faked
    # clock: wineboot and every program under test join it. Its output must
    # not hold the caller's pipes open.
    wineserver -p </dev/null >/dev/null 2>&1
    wineboot -i </dev/null >/dev/null 2>&1
    # Wine's desktop process ends a few seconds after the last program that
    # uses it; a program that starts just then waits 10 s for a new one. A
    # console that waits for input on a pipe keeps it for the whole run.
    mkfifo "$WINE_SESSION_DIR/hold"
    sleep 3600 >"$WINE_SESSION_DIR/hold" &
    WINE_SESSION_HOLD=$!
    wine cmd /c pause <"$WINE_SESSION_DIR/hold" >/dev/null 2>&1 &
    # Without Marlett the caption buttons show as letters.
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    # Without a window manager, managed windows make Wine wait 2 s at every
    # dialog's close.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # The menu, caption and box fonts have no Japanese glyphs under an
    # English locale; link them to IPA P Gothic as a Japanese system would.
    local font
    for font in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
            /v "$font" /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f >/dev/null 2>&1
    done
}

wine_session_stop() {
    if [ -n "${WINE_SESSION_DIR:-}" ] && [ -d "$WINE_SESSION_DIR" ]; then
        if [ -n "${WINE_SESSION_HOLD:-}" ]; then
            kill "$WINE_SESSION_HOLD" 2>/dev/null || true
        fi
        wineserver -k >/dev/null 2>&1 || true
        if [ -n "${WINE_SESSION_XVFB:-}" ]; then
            kill "$WINE_SESSION_XVFB" 2>/dev/null || true
            wait "$WINE_SESSION_XVFB" 2>/dev/null || true
        fi
        rm -rf "$WINE_SESSION_DIR"
    fi
    WINE_SESSION_DIR=""
}
