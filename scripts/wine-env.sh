# Sourced by the harness scripts: the private Wine prefix of a build folder.
# Usage: . scripts/wine-env.sh; lg_prefix_init; lg_wine wine prog.exe
LUMIGRAB_ROOT=${LUMIGRAB_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
LUMIGRAB_BUILD_DIR=${LUMIGRAB_BUILD_DIR:-$LUMIGRAB_ROOT/build/win32}
export WINEPREFIX=${LUMIGRAB_WINEPREFIX:-$LUMIGRAB_BUILD_DIR/wineprefix}
# win32 normally; win64 on machines that cannot start 32-bit programs
# (scripts/wine-arch).
export LUMIGRAB_WINEARCH=${LUMIGRAB_WINEARCH:-$("$LUMIGRAB_ROOT/scripts/wine-arch")}
export WINEARCH=$LUMIGRAB_WINEARCH
export WINEDEBUG=${WINEDEBUG:--all}
# No menu entries on the host, no prompts for Mono or Gecko.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
# Wine's own commands answer with an error under their names: everything
# goes through lg_wine (scripts/wine-tool), which starts the right loader.
case ":$PATH:" in
    *":$LUMIGRAB_ROOT/scripts/wine-trap:"*) ;;
    *) export PATH="$LUMIGRAB_ROOT/scripts/wine-trap:$PATH" ;;
esac
# The name of the one virtual desktop every program of the prefix shares.
LUMIGRAB_DESKTOP=lumigrab
LUMIGRAB_DESKTOP_SIZE=1280x800
# A booted prefix that nothing runs in; every prefix of the build is a
# copy of it (booting takes ~30 s, copying well under one).
LUMIGRAB_PREFIX_TEMPLATE=$LUMIGRAB_BUILD_DIR/wineprefix-template

lg_wine() {
    "$LUMIGRAB_ROOT/scripts/wine-tool" "$@"
}

# Boots the template once and names the virtual desktop in its registry so
# that programs started one by one share it.
lg_template_init() {
    local t=$LUMIGRAB_PREFIX_TEMPLATE
    mkdir -p "$(dirname "$t")"
    (
        flock -w 300 9 || { echo "wine-env: template lock timed out" >&2; exit 1; }
        if [ ! -f "$t/.lumigrab-ready" ]; then
            rm -rf "$t"
            export WINEPREFIX=$t
            DISPLAY= lg_wine wineboot -i >/dev/null 2>&1 || { echo "wine-env: wineboot failed" >&2; exit 1; }
            DISPLAY= lg_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d "$LUMIGRAB_DESKTOP" /f >/dev/null 2>&1
            DISPLAY= lg_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$LUMIGRAB_DESKTOP" \
                /d "$LUMIGRAB_DESKTOP_SIZE" /f >/dev/null 2>&1
            # The registry reaches its files and the server ends before the copy.
            lg_wine wineserver -w
            touch "$t/.lumigrab-ready"
        fi
    ) 9>"$t.init-lock"
}

# Copies the template into $WINEPREFIX. `fresh` replaces a prefix that is
# already there (a scenario starts from a clean one every time); without it
# a ready prefix is kept.
lg_prefix_init() {
    lg_template_init || return 1
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock -w 300 9 || { echo "wine-env: prefix lock timed out" >&2; exit 1; }
        if [ "${1:-}" = fresh ] || [ ! -f "$WINEPREFIX/.lumigrab-ready" ]; then
            # A server left by a run that was killed would outlive its files.
            [ -d "$WINEPREFIX" ] && lg_wine wineserver -k 2>/dev/null
            rm -rf "$WINEPREFIX"
            cp -a "$LUMIGRAB_PREFIX_TEMPLATE" "$WINEPREFIX.copying" &&
                mv "$WINEPREFIX.copying" "$WINEPREFIX"
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
