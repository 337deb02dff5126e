# Shared by the scripts: paths, package set-up, the private Wine prefix and Xvfb display.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
DEPS="$BUILD/deps"
export WINEPREFIX="$BUILD/wineprefix"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="

PACKAGES=(cmake make g++ clang python3 dpkg-dev patch
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 xvfb x11-utils x11-apps imagemagick fonts-liberation fonts-wine fonts-wqy-microhei xdotool xcompmgr
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
  libtinyxml-dev libboost1.81-dev googletest nsis zip unzip python3-yaml python3-pefile sox locales)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -q >/dev/null
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
  fi
  # A German user's environment, from which Wine takes Windows' display language for one test.
  if ! locale -a 2>/dev/null | grep -qx 'de_DE.utf8'; then
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    as_root locale-gen >/dev/null
  fi
}

# Debian's TinyXML 2.6.2 source, with Debian's patches, for the Windows build. When the machine
# has no deb-src entry, one is derived from its own deb entries into a private apt state.
fetch_tinyxml() {
  [ -f "$DEPS/tinyxml/tinyxml.h" ] || download_tinyxml
  # Debian makes every user of its header take the STL interface, which the library is built
  # with there; this build compiles TinyXML itself without it, so that the C++ stream and locale
  # library (three quarters of the executable) stays out. The security patches stay applied.
  if grep -q '^	#define TIXML_USE_STL' "$DEPS/tinyxml/tinyxml.h"; then
    (cd "$DEPS/tinyxml" && patch -R -s -p1 < debian/patches/enforce-use-stl.patch)
  fi
}

download_tinyxml() {
  local apt="$DEPS/apt"
  rm -rf "$apt" && mkdir -p "$apt/lists/partial" "$apt/parts" "$DEPS/src"
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list > "$apt/sources.list"
  else
    : > "$apt/sources.list"
  fi
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed 's/^Types: .*/Types: deb-src/' "$f" > "$apt/parts/$(basename "$f")"
  done
  for f in /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] && sed -n 's/^deb \(.*\)/deb-src \1/p' "$f" > "$apt/parts/$(basename "$f")"
  done
  local opts=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/parts"
              -o Dir::State::Lists="$apt/lists" -o APT::Sandbox::User=root)
  apt-get "${opts[@]}" update -q >"$apt/update.log" 2>&1
  (cd "$DEPS/src" && apt-get "${opts[@]}" source tinyxml >"$apt/source.log" 2>&1)
  local dir
  dir="$(find "$DEPS/src" -maxdepth 1 -type d -name 'tinyxml-2.6.2*' | head -n1)"
  [ -n "$dir" ] || { echo "could not fetch the tinyxml source package" >&2; return 1; }
  rm -rf "$DEPS/tinyxml" && mv "$dir" "$DEPS/tinyxml"
}

# Boost.Regex is header-only: the Windows build sees only the boost folder, not the host's headers.
link_boost() {
  mkdir -p "$DEPS/boost-include"
  ln -sfn /usr/include/boost "$DEPS/boost-include/boost"
}

setup_all() { install_packages; fetch_tinyxml; link_boost; }

# The program's version, 2.4.0.59, from the file the build reads it from.
dusklamp_version() { sed -n 's/^#define DUSKLAMP_VERSION_DOTTED "\(.*\)"$/\1/p' "$ROOT/res/version.h"; }

# The time every release artifact carries: the last commit's, or the version file's in a source
# tree without its history; a SOURCE_DATE_EPOCH already set wins.
source_date_epoch() {
  [ -n "${SOURCE_DATE_EPOCH:-}" ] && { echo "$SOURCE_DATE_EPOCH"; return; }
  git -C "$ROOT" log -1 --format=%ct 2>/dev/null || stat -c %Y "$ROOT/res/version.h"
}

JOBS="$(nproc)"

configure_and_build() { # dir, then cmake arguments
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" -j "$JOBS" -- --no-print-directory >"$dir.build.log" 2>&1 \
    || { cat "$dir.build.log"; return 1; }
}

build_windows() {
  configure_and_build "$BUILD/win" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake" \
    -DTINYXML_DIR="$DEPS/tinyxml" -DBOOST_INCLUDE_DIR="$DEPS/boost-include" "$@"
}

XVFB_PID=""
start_xvfb() { # a private display; sets DISPLAY
  local fifo="$BUILD/xvfb.display"
  rm -f "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x800x24 +extension COMPOSITE -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$fifo" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$fifo")"
}

stop_wine_and_xvfb() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}

init_wineprefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
  fi
  # Debian's fonts-wine puts Marlett, which draws the caption buttons, where this Wine does not
  # look; the prefix's font folder is read when Wine's services start.
  if [ ! -e "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
    ln -sf /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    wineserver -k >/dev/null 2>&1 || true
  fi
  # Chinese, Japanese and Korean text drawn in the dialog font: linked to a font that has their
  # characters, as Windows links its dialog font to its East Asian ones.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma \
    /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
  # Xvfb has no window manager: without this, every hide waits two seconds for one.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # A crash ends the process with its exception code instead of hanging in the debugger.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d 'cmd.exe /c exit' /f >/dev/null 2>&1
}
