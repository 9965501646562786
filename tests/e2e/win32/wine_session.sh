# A private Wine prefix on an Xvfb display for one run, sourced by scripts/test-windows:
# start exports DISPLAY, WINEPREFIX and the settings; stop (on exit, a signal's included) ends
# every process of the session and removes the prefix.

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
    sleep 3600 >"$WINE_SESSION_DIR/hold" &  # ended by stop, as every child of the script
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

# Every Wine process (a server, a program) on this session's prefix, by id: their
# environment names the prefix.
wine_session_processes() {
    local process
    for process in /proc/[0-9]*; do
        case "$(readlink "$process/exe" 2>/dev/null)" in *wine*) ;; *) continue ;; esac
        { tr '\0' '\n' <"$process/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX"; } 2>/dev/null &&
            echo "${process#/proc/}"
    done
    return 0
}

wine_session_stop() {
    [ -n "${WINE_SESSION_DIR:-}" ] && [ -d "$WINE_SESSION_DIR" ] || return 0
    # A run cut short (SIGTERM) leaves its running step behind, and a story
    # runner would go on starting programs, each starting a server of its own
    # for the prefix, with the prefix's services and winedevice.exe. So this
    # shell's own children end first (all but the display), then the server.
    local shell=$BASHPID child leftovers=()
    for child in $(ps -o pid= --ppid "$shell"); do
        [ "$child" = "${WINE_SESSION_XVFB:-}" ] || kill "$child" 2>/dev/null || true
    done
    sleep 0.2
    # The server ends the prefix's processes with it. Whatever still runs on
    # the prefix afterwards (a program that was starting just then starts a
    # new server) is ended by id, until nothing is left.
    for _ in 1 2 3 4 5; do
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
        mapfile -t leftovers < <(wine_session_processes)
        [ ${#leftovers[@]} -eq 0 ] && break
        kill -9 "${leftovers[@]}" 2>/dev/null || true
        sleep 0.2
    done
    [ ${#leftovers[@]} -eq 0 ] ||
        echo "wine_session: processes ${leftovers[*]} outlived the prefix" >&2
    kill ${WINE_SESSION_XVFB:-} 2>/dev/null && wait "$WINE_SESSION_XVFB" 2>/dev/null || true
    rm -rf "$WINE_SESSION_DIR"
}
