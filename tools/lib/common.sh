# Shared by tools/run, tools/test and tools/bench: installs what is missing, builds,
# prepares the private Wine prefix and starts the display and the wineserver.
# Source it; it defines functions only.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=${BUILD_DIR:-$repo_root/build}

packages=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
  cmake make googletest nlohmann-json3-dev
  wine wine64 xvfb xauth x11-utils fonts-noto-cjk imagemagick
)

log() { printf '[%s] %s\n' "$(basename "$0")" "$*" >&2; }

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_packages() {
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build_all() {
  if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S "$repo_root" -B "$build_dir" \
      -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  # BUILD_TARGETS (space-separated) limits the build, for work on one subsystem.
  local targets=()
  [ -n "${BUILD_TARGETS:-}" ] && read -r -a targets <<<"$BUILD_TARGETS" && targets=(--target "${targets[@]}")
  cmake --build "$build_dir" -j "$(nproc)" "${targets[@]}" -- --no-print-directory "$@"
}

export WINEPREFIX="$build_dir/wineprefix"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all

wine_reg_add() { wine reg add "$@" /f >/dev/null 2>&1; }

# Bump when the prefix's settings change, so that existing prefixes are made anew.
prefix_version=2
ensure_prefix() {
  [ "$(cat "$WINEPREFIX/.ready" 2>/dev/null)" = "$prefix_version" ] && return 0
  log "creating the Wine prefix in $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
  local substitutes='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' name
  for name in 宋体 黑体 SimSun SimHei "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
    wine_reg_add "$substitutes" /v "$name" /t REG_SZ /d "Noto Sans CJK SC"
  done
  wine_reg_add "$substitutes" /v "Times New Roman" /t REG_SZ /d "DejaVu Serif"
  wine_reg_add "$substitutes" /v "Courier New" /t REG_SZ /d "DejaVu Sans Mono"
  # Without a window manager Wine waits on every hide of an activated window unless
  # it manages none itself.
  wine_reg_add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
  # No crash debugger: an unhandled exception ends the program at once with a failure
  # status instead of waiting for a debugger that never comes.
  wine_reg_add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d ""
  wineserver -w
  echo "$prefix_version" >"$WINEPREFIX/.ready"
}

xvfb_pid=""
start_private_display() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  local number
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
  log "Xvfb on $DISPLAY"
}

stop_private_display() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
}

# A persistent wineserver, and Wine's own services started once with no terminal
# attached, so that they do not hold the pipes of the programs run afterwards.
start_wineserver() {
  wineserver -p >/dev/null 2>&1 </dev/null
  wine cmd /c exit >/dev/null 2>&1 </dev/null
}
stop_wineserver() { wineserver -k >/dev/null 2>&1 || true; }
