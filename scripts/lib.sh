# Shared by scripts/test and scripts/run: installing what the build needs, building, the X display and
# the Wine prefixes. Source it; do not run it.

QV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QV_BUILD=$QV_ROOT/build
# Bump when the way a prefix is prepared changes, so old prefixes are made anew.
QV_PREFIX_VERSION=3

qv_log() { printf '== %s\n' "$*" >&2; }

qv_sudo() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Debian packages the build, the tests and the program need.
QV_PACKAGES="cmake ninja-build g++ make g++-mingw-w64-i686-posix binutils-mingw-w64-i686 googletest
wine wine32:i386 fonts-wine xvfb xauth x11-utils imagemagick xdotool socat procps"

qv_missing_packages() {
    local p missing=""
    for p in $QV_PACKAGES; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing="$missing $p"
        fi
    done
    echo "$missing"
}

qv_install() {
    local missing
    missing=$(qv_missing_packages)
    [ -z "$missing" ] && return 0
    qv_log "installing:$missing"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        qv_sudo dpkg --add-architecture i386
    fi
    qv_sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    # shellcheck disable=SC2086
    qv_sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
    missing=$(qv_missing_packages)
    if [ -n "$missing" ]; then
        echo "could not install:$missing" >&2
        return 1
    fi
}

qv_build_windows() {
    cmake -S "$QV_ROOT" -B "$QV_BUILD/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$QV_ROOT/cmake/mingw-i686.cmake" >/dev/null &&
        cmake --build "$QV_BUILD/win" -j 2
}

qv_build_native() {
    cmake -S "$QV_ROOT" -B "$QV_BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null &&
        cmake --build "$QV_BUILD/native" -j 2
}

# Starts Xvfb on a free display with a fixed size and depth; sets DISPLAY and QV_XVFB_PID.
qv_start_xvfb() {
    local n=91 i
    while [ "$n" -lt 200 ]; do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
            QV_XVFB_PID=$!
            for i in $(seq 1 50); do
                if [ -e "/tmp/.X11-unix/X$n" ]; then
                    export DISPLAY=":$n"
                    return 0
                fi
                # Taken by a server this folder cannot see (another root, the same network): next one.
                kill -0 "$QV_XVFB_PID" 2>/dev/null || break
                sleep 0.1
            done
            kill "$QV_XVFB_PID" 2>/dev/null
        fi
        n=$((n + 1))
    done
    echo "Xvfb did not start" >&2
    return 1
}

qv_wine_env() {
    export WINEPREFIX=$1
    export WINEARCH=win32
    export WINEDEBUG=-all
    # No sound driver noise, no menu-builder, no Mono or Gecko installer prompts.
    export WINEDLLOVERRIDES="winealsa.drv=d;winemenubuilder.exe=d;mscoree=d;mshtml=d"
}

# Starts the prefix's wineserver for the whole run, with Wine's own services (services.exe,
# winedevice.exe, ...) started now with no standard streams: started later by the first test program,
# they would inherit its output pipe and keep CTest waiting for it to close.
qv_start_wineserver() {
    wineserver -p >/dev/null 2>&1 </dev/null
    (cd "$WINEPREFIX/drive_c" && wine cmd /c exit 0 >/dev/null 2>&1 </dev/null)
}

# Makes a 32-bit Wine prefix a quiet test machine. Needs DISPLAY: the wineserver started here must
# be able to create windows for the rest of its life.
#   $1 prefix directory   $2 directory whose programs the prefix runs (mapped as drive Q:)
qv_prepare_prefix() {
    local prefix=$1 bin=$2
    qv_wine_env "$prefix"
    if [ "$(cat "$prefix/.qv-prefix" 2>/dev/null)" != "$QV_PREFIX_VERSION" ]; then
        qv_log "preparing Wine prefix $prefix"
        wineserver -k 2>/dev/null || true
        rm -rf "$prefix"
        wineboot -i >/dev/null 2>&1
        wineserver -w
        # Wine's own fonts, so that "MS Sans Serif" is the real raster font.
        cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
        # Serial ports point at paths the tests control, never at the machine's real ports.
        mkdir -p "$prefix/ports"
        local n
        for n in 1 2 3 4; do
            wine reg add 'HKLM\Software\Wine\Ports' /v "COM$n" /d "$prefix/ports/com$n" /f >/dev/null 2>&1
        done
        # Without a window manager Wine draws the title bars itself.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        wineserver -w
        echo "$QV_PREFIX_VERSION" >"$prefix/.qv-prefix"
    fi
    # No drive for the Linux root, so no disk scan walks it; the programs' folder is drive Q:.
    rm -f "$prefix/dosdevices/z:"
    ln -sfn "$bin" "$prefix/dosdevices/q:"
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}
