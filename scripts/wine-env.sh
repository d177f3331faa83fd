# Sourced by the harness scripts: the private Wine prefix of a build folder.
# Usage: . scripts/wine-env.sh; lg_prefix_init
LUMIGRAB_ROOT=${LUMIGRAB_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
LUMIGRAB_BUILD_DIR=${LUMIGRAB_BUILD_DIR:-$LUMIGRAB_ROOT/build/win32}
export WINEPREFIX=${LUMIGRAB_WINEPREFIX:-$LUMIGRAB_BUILD_DIR/wineprefix}
# win32 normally; win64 on machines that cannot start 32-bit programs
# (scripts/wine-arch), with the 64-bit loader as `wine`.
export WINEARCH=${LUMIGRAB_WINEARCH:-win32}
if [ "$WINEARCH" = win64 ]; then
    LUMIGRAB_WINE_SHIM=$LUMIGRAB_BUILD_DIR/wine-shim
    if [ ! -x "$LUMIGRAB_WINE_SHIM/wine" ]; then
        mkdir -p "$LUMIGRAB_WINE_SHIM"
        printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$LUMIGRAB_WINE_SHIM/wine"
        chmod +x "$LUMIGRAB_WINE_SHIM/wine"
    fi
    case ":$PATH:" in *":$LUMIGRAB_WINE_SHIM:"*) ;; *) export PATH="$LUMIGRAB_WINE_SHIM:$PATH" ;; esac
fi
export WINEDEBUG=${WINEDEBUG:--all}
# No menu entries on the host, no prompts for Mono or Gecko.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
# The name of the one virtual desktop every program of the prefix shares.
LUMIGRAB_DESKTOP=lumigrab
LUMIGRAB_DESKTOP_SIZE=1280x800

# Creates the prefix once (wineboot takes ~30 s) and names the virtual
# desktop in its registry so that programs started one by one share it.
lg_prefix_init() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock -w 300 9 || { echo "wine-env: prefix lock timed out" >&2; exit 1; }
        if [ ! -f "$WINEPREFIX/.lumigrab-ready" ]; then
            rm -rf "$WINEPREFIX"
            DISPLAY= wine wineboot -i >/dev/null 2>&1 || { echo "wine-env: wineboot failed" >&2; exit 1; }
            DISPLAY= wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d "$LUMIGRAB_DESKTOP" /f >/dev/null 2>&1
            DISPLAY= wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$LUMIGRAB_DESKTOP" \
                /d "$LUMIGRAB_DESKTOP_SIZE" /f >/dev/null 2>&1
            wineserver -w
            touch "$WINEPREFIX/.lumigrab-ready"
        fi
    ) 9>"$WINEPREFIX.init-lock"
}

# Starts Xvfb on a free display number; sets DISPLAY and LG_XVFB_PID.
lg_xvfb_start() {
    local fd_file
    fd_file=$(mktemp)
    Xvfb -displayfd 1 -screen 0 "${LUMIGRAB_DESKTOP_SIZE}x24" -nolisten tcp >"$fd_file" 2>/dev/null &
    LG_XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
        if [ -s "$fd_file" ]; then break; fi
        if ! kill -0 "$LG_XVFB_PID" 2>/dev/null; then break; fi
        sleep 0.1
    done
    if [ ! -s "$fd_file" ]; then
        rm -f "$fd_file"
        echo "wine-env: Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$(head -n 1 "$fd_file")"
    rm -f "$fd_file"
}

lg_xvfb_stop() {
    if [ -n "${LG_XVFB_PID:-}" ]; then
        kill "$LG_XVFB_PID" 2>/dev/null || true
        wait "$LG_XVFB_PID" 2>/dev/null || true
        LG_XVFB_PID=
    fi
}
