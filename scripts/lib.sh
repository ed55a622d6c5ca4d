# Shared by the scripts: where things are, and how Wine is set up for this project.
# Source it; it defines no commands of its own beyond the functions below.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_ROOT=${VL_BUILD_ROOT:-$ROOT/build}
mkdir -p "$BUILD_ROOT"
BUILD_ROOT=$(cd "$BUILD_ROOT" && pwd)
export LANG=C.UTF-8

# Wine gets a prefix of its own inside the build folder, never ~/.wine, and X resources as a
# desktop session has them (tools/x-resources says why).
wine_env() {
  export WINEPREFIX="$BUILD_ROOT/wineprefix" WINEARCH=win64 WINEDEBUG=-all
  export XENVIRONMENT="$ROOT/tools/x-resources"
}

# Creates the prefix once, with the virtual desktop (without it every hide costs two seconds and
# self-drawn frames are cut off) and without the crash dialog (which would wait forever).
wine_prepare() {
  wine_env
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating the prefix $WINEPREFIX"
    (unset DISPLAY; wineboot -i >/dev/null 2>&1 </dev/null)
    (unset DISPLAY; wine regedit /S "$(winepath -w "$ROOT/tools/wine-test-settings.reg")" \
      >/dev/null 2>&1 </dev/null)
    wineserver -w
  fi
}

# Stops the Wine server of this prefix only, and everything it still runs.
wine_stop() {
  wine_env
  wineserver -k 2>/dev/null || true
}

# Configures (once) and builds one configuration: native, win64 or win32.
build_config() {
  local config=$1 dir="$BUILD_ROOT/$1"
  shift
  local args=(-S "$ROOT" -B "$dir" -G Ninja -DVL_CONFIG="$config")
  case $config in
    native)
      args+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
             -DVL_SANITIZE=ON -DVL_BUILD_FUZZERS=ON) ;;
    win64)
      args+=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake") ;;
    win32)
      args+=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-i686.cmake") ;;
    bench)
      args+=(-DCMAKE_BUILD_TYPE=Release -DVL_BUILD_TESTS=OFF -DVL_BUILD_BENCH=ON) ;;
    *) echo "unknown configuration: $config" >&2; return 2 ;;
  esac
  if [ ! -f "$dir/build.ninja" ]; then
    cmake "${args[@]}" >/dev/null
  fi
  cmake --build "$dir" "$@"
}
