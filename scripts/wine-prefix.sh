# Sourced by the scripts that run Windows programs: Debian's wine64, headless and
# quiet, in a Wine prefix that a run makes for itself. A user's own prefix
# (~/.wine) is never used.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
if [ ! -x "$wine" ]; then
    echo "${0##*/}: $wine is missing; run scripts/install-deps windows" >&2
    exit 1
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=

# A folder of this run's own ($wine_temp) with WINEPREFIX inside it; at exit the
# prefix's Wine processes end and the folder goes.
wine_temporary_prefix() {
    wine_temp=$(mktemp -d "${TMPDIR:-/tmp}/tolmir-wine.XXXXXX")
    export WINEPREFIX=$wine_temp/prefix
    trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$wine_temp"' EXIT
}

# Sets up $WINEPREFIX unless that is done.
wine_prepare_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$wine" wineboot --init >/dev/null 2>&1
        "$wineserver" -w
    fi
}
