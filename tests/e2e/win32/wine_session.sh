# A private Wine prefix on an Xvfb display for one run, sourced by scripts/test-windows:
# start exports DISPLAY, WINEPREFIX and the settings; stop (also on exit) ends and removes all.

wine_session_start() {
    WINE_SESSION_DIR="$(mktemp -d "${TMPDIR:-/tmp}/tovrin-wine.XXXXXX")"
    # No .NET or Gecko installers, no audio drivers to wait for.
    export WINEPREFIX="$WINE_SESSION_DIR/prefix" WINEARCH=win64 WINEDEBUG=-all \
        WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
    trap wine_session_stop EXIT
    export USER=山田  # a profile path outside the ANSI code page; the temp folder stays ASCII
    # The display first: Wine's desktop process stays on the one it found.
    mkfifo "$WINE_SESSION_DIR/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WINE_SESSION_DIR/display" \
        </dev/null >/dev/null 2>&1 &
    WINE_SESSION_XVFB=$!
    local number
    read -r -t 10 number <"$WINE_SESSION_DIR/display" ||
        { echo "wine_session: Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$number"
    # One wineserver for the run, without the faked clock of the programs.
    mkdir -p "$WINEPREFIX" && wineserver -p </dev/null >/dev/null 2>&1
    wineboot -i </dev/null >/dev/null 2>&1
    # A console waiting on a pipe keeps Wine's desktop process alive; a
    # program started just as it ends would wait 10 s for a new one.
    mkfifo "$WINE_SESSION_DIR/hold"
    sleep 3600 >"$WINE_SESSION_DIR/hold" &
    WINE_SESSION_HOLD=$!
    wine cmd /c pause <"$WINE_SESSION_DIR/hold" >/dev/null 2>&1 &
    # Marlett draws the caption buttons; unmanaged windows spare a 2 s
    # wait at every dialog's close; the UI fonts borrow IPA P Gothic's
    # Japanese glyphs, as a Japanese system's would.
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wine reg add HKCU\\Environment /v TMP /d C:\\windows\\temp /f &>/dev/null  # GetTempPath's first
    for font in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
            /v "$font" /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f >/dev/null 2>&1
    done
}

wine_session_stop() {
    [ -n "${WINE_SESSION_DIR:-}" ] && [ -d "$WINE_SESSION_DIR" ] || return 0
    kill ${WINE_SESSION_HOLD:-} 2>/dev/null || true
    wineserver -k >/dev/null 2>&1 || true
    kill ${WINE_SESSION_XVFB:-} 2>/dev/null && wait "$WINE_SESSION_XVFB" 2>/dev/null || true
    rm -rf "$WINE_SESSION_DIR"
}
