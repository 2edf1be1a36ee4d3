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
QV_PACKAGES="cmake ninja-build g++ make googletest
g++-mingw-w64-i686-posix binutils-mingw-w64-i686 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
wine wine32:i386 wine64 fonts-wine xvfb xauth x11-utils imagemagick xdotool socat procps"

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

# Both Windows programs come from the same sources in every build: build/win32 holds the 32-bit
# program (Windows 95 through 11), build/win64 the 64-bit one (64-bit Windows). A compile error in
# either stops the build.
qv_build_windows() {
    local arch
    for arch in win32 win64; do
        qv_log "building (Windows, $(qv_arch_name "$arch"))"
        cmake -S "$QV_ROOT" -B "$QV_BUILD/$arch" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$QV_ROOT/cmake/mingw-$(qv_arch_cpu "$arch").cmake" >/dev/null &&
            cmake --build "$QV_BUILD/$arch" -j 2 || return 1
    done
}

qv_arch_cpu() { if [ "$1" = win64 ]; then echo x86_64; else echo i686; fi; }
qv_arch_name() { if [ "$1" = win64 ]; then echo "64-bit build, x86-64"; else echo "32-bit build, i686"; fi; }

# Whether this machine runs 32-bit programs: some kernels have their 32-bit emulation switched off,
# and then Wine's 32-bit loader fails at once with "Exec format error".
qv_can_run_32bit() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# The Windows builds the Wine tests run on, as "win32", "win64" or "win32 win64" (QV_ARCHES).
# QV_WINE_ARCH=win32, win64 or both forces the choice; by default both where 32-bit programs run
# (the 32-bit build first), the 64-bit build alone where they cannot.
qv_choose_arches() {
    case "${QV_WINE_ARCH:-}" in
        win32 | win64) QV_ARCHES=$QV_WINE_ARCH ;;
        both) QV_ARCHES="win32 win64" ;;
        "") if qv_can_run_32bit; then QV_ARCHES="win32 win64"; else QV_ARCHES=win64; fi ;;
        *)
            echo "QV_WINE_ARCH must be win32, win64 or both, not '$QV_WINE_ARCH'" >&2
            return 1
            ;;
    esac
    if [ "$QV_ARCHES" != win64 ] && ! qv_can_run_32bit; then
        echo "this machine cannot run 32-bit programs (/usr/lib/wine/wine fails): use QV_WINE_ARCH=win64" >&2
        return 1
    fi
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

# Small wrappers named wine, wineserver, wineboot and regedit that call the loader and server of
# one architecture. Debian's own commands pick the 32-bit loader whenever its file exists, even where
# it cannot run, so every Wine command of a run goes through these.
qv_wine_wrappers() {
    local arch=$1 dir=$QV_BUILD/wine-bin/$1 loader server
    if [ "$arch" = win64 ]; then
        loader=/usr/lib/wine/wine64 server=/usr/lib/wine/wineserver64
    else
        loader=/usr/lib/wine/wine server=/usr/lib/wine/wineserver32
    fi
    mkdir -p "$dir"
    printf '#!/bin/sh\nexec %s "$@"\n' "$loader" >"$dir/wine"
    printf '#!/bin/sh\nexec %s "$@"\n' "$server" >"$dir/wineserver"
    printf '#!/bin/sh\nexec %s wineboot "$@"\n' "$loader" >"$dir/wineboot"
    printf '#!/bin/sh\nexec %s regedit "$@"\n' "$loader" >"$dir/regedit"
    chmod +x "$dir/wine" "$dir/wineserver" "$dir/wineboot" "$dir/regedit"
    export WINELOADER=$loader WINESERVER=$server
    case ":$PATH:" in
        *":$dir:"*) ;;
        *) export PATH="$dir:$PATH" ;;
    esac
}

#   $1 architecture (win32 or win64)   $2 prefix directory
qv_wine_env() {
    qv_wine_wrappers "$1"
    export WINEARCH=$1
    export WINEPREFIX=$2
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

# Adds the test printer (Wine's PostScript driver on port FILE:, tests/test_printer.h) to the prefix
# of the running wineserver; a printer already there is kept. Needs the build's qv_test_printer.exe.
#   $1 directory of the build's programs
qv_add_test_printer() {
    (cd "$1" && wine qv_test_printer.exe </dev/null) || {
        echo "the test printer could not be added" >&2
        return 1
    }
}

# Makes a Wine prefix of the given architecture a quiet test machine. Needs DISPLAY: the wineserver
# started here must be able to create windows for the rest of its life.
#   $1 architecture (win32 or win64)   $2 prefix directory
#   $3 directory whose programs the prefix runs (mapped as drive Q:)
qv_prepare_prefix() {
    local arch=$1 prefix=$2 bin=$3
    qv_wine_env "$arch" "$prefix"
    if [ "$(cat "$prefix/.qv-prefix" 2>/dev/null)" != "$QV_PREFIX_VERSION $arch" ]; then
        qv_log "preparing Wine prefix $prefix ($arch)"
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
        echo "$QV_PREFIX_VERSION $arch" >"$prefix/.qv-prefix"
    fi
    # No drive for the Linux root, so no disk scan walks it; the programs' folder is drive Q:.
    rm -f "$prefix/dosdevices/z:"
    ln -sfn "$bin" "$prefix/dosdevices/q:"
    # R: is a CD-ROM drive with no disc in it: its folder does not exist.
    ln -sfn "$prefix/no-disc" "$prefix/dosdevices/r:"
    wine reg add 'HKLM\Software\Wine\Drives' /v r: /d cdrom /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}
