# Sourced by the scripts that run Windows programs under Wine: a throw-away prefix in
# code page 932 with one persistent wineserver. Usage:
#   . scripts/wine-env.sh; wine_env_start DIR; wine "$exe" ...; wine_env_stop
# DIR receives the prefix, its HOME and the private ja_JP locale.

wine_env_start() {
    local root
    root=$(mkdir -p "$1" && cd "$1" && pwd)
    export WINE_ENV_ROOT="$root"
    export HOME="$root/home"
    export WINEPREFIX="$root/prefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES='winemenubuilder.exe=d;mscoree,mshtml='
    export WINEARCH=win64
    # Wine takes the ANSI code page from the locale; compile ja_JP privately so the
    # machine's own locale set does not matter.
    if [ ! -f "$root/locale/ja_JP.UTF-8/LC_CTYPE" ]; then
        mkdir -p "$root/locale"
        localedef -i ja_JP -c -f UTF-8 "$root/locale/ja_JP.UTF-8" >/dev/null 2>&1 || true
    fi
    export LOCPATH="$root/locale"
    export LANG=ja_JP.UTF-8
    { export LC_ALL=ja_JP.UTF-8; } 2>/dev/null
    # The desktop folder must exist before the prefix, or Wine points it at $HOME.
    mkdir -p "$HOME/Desktop"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i </dev/null >"$root/wineboot.log" 2>&1
        wineserver -w
        # Draw "ＭＳ Ｐゴシック" and "ＭＳ ゴシック" with the IPA fonts, as on a Japanese desktop.
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f </dev/null >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d 'IPAGothic' /f </dev/null >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d 'IPAPGothic' /f </dev/null >/dev/null 2>&1
        wineserver -w
    fi
    # Wine draws the title bar's close box in Marlett; a prefix without it shows an "r".
    if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
        cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
    # The server and the prefix's services outlive the program that starts them and keep
    # its stdout open: start them here, writing to files, never into a caller's pipe.
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >"$root/services.log" 2>&1
}

wine_env_stop() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
}

# Windows path of a Unix path inside the prefix's view (Z: maps /).
wine_path() {
    printf 'Z:%s' "$(printf '%s' "$1" | sed 's|/|\\|g')"
}
