#!/usr/bin/env bash
# Installs everything Taramel needs to build, run and test, from Debian's
# packages only. Safe to run again: every step checks whether it is done.
set -euo pipefail

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# Cross-built libjpeg-turbo lives outside the source tree and is reused.
DEPS_PREFIX="${TARAMEL_DEPS:-/opt/taramel-deps}"
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

PACKAGES=(
  # build tools
  cmake ninja-build nasm make pkg-config git ca-certificates dpkg-dev
  # cross compilers for 64-bit and 32-bit Windows (posix thread model) and
  # zlib for them
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  mingw-w64-x86-64-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  mingw-w64-i686-dev libz-mingw-w64-dev
  # running and looking at the program: the 64-bit wine on every machine
  wine wine64 xvfb xauth fonts-wine imagemagick x11-utils xdotool
  # the generator of the skin Topaz
  python3
  # the installer (makensis, with its 64-bit stubs for the tests)
  nsis
  # native build: tests, sanitizers, fuzzers, benchmarks
  g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  zlib1g-dev libjpeg62-turbo-dev
  # reference decoders the benchmarks and conformance tests compare against
  libpng-dev libspng-dev libstb-dev
  # Russian locale: wine picks its ANSI code page from LC_ALL
  locales
)

need_update=0
# The 32-bit wine only where the kernel runs 32-bit programs, found out by
# running one. Installed elsewhere, it could not start, and the `wine` command
# would pick it before the 64-bit loader.
if bash "$HERE/runs-32bit.sh"; then
  PACKAGES+=(wine32:i386)
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    need_update=1
  fi
else
  echo "setup: this machine runs no 32-bit programs: the 64-bit wine only"
fi

# Source packages are needed for libjpeg-turbo (cross build) and the PNG
# test suite that ships inside libpng's sources.
for f in /etc/apt/sources.list.d/debian.sources; do
  if [ -f "$f" ] && grep -q '^Types: deb$' "$f"; then
    $SUDO sed -i 's/^Types: deb$/Types: deb deb-src/' "$f"
    need_update=1
  fi
done
if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list \
   && ! grep -q '^deb-src ' /etc/apt/sources.list; then
  sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | $SUDO tee -a /etc/apt/sources.list >/dev/null
  need_update=1
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  need_update=1
fi
if [ $need_update = 1 ] || [ ! -d /var/lib/apt/lists ] || [ -z "$(ls /var/lib/apt/lists 2>/dev/null | grep -v lock)" ]; then
  $SUDO apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^ru_RU.utf8$'; then
  $SUDO sed -i 's/^# *ru_RU.UTF-8 UTF-8/ru_RU.UTF-8 UTF-8/' /etc/locale.gen
  $SUDO locale-gen >/dev/null
fi

# Fetches the upstream tarball of a Debian source package into the current
# folder and unpacks it. A security update's Debian part is sometimes missing
# from the mirror while the upstream tarball is there, and only upstream is
# needed here, so a partial download is fine.
fetch_upstream() {
  apt-get source --download-only -qq "$1" >/dev/null 2>&1 || true
  local orig
  orig="$(ls ./*.orig.tar.* 2>/dev/null | head -1)"
  [ -n "$orig" ] || { echo "setup: no upstream source for $1" >&2; return 1; }
  tar xf "$orig"
}

# libjpeg-turbo and Google Benchmark for both mingw-w64 targets, built from
# Debian's source packages (the benchmarks also run as Windows programs under
# wine).
for target in x86_64-w64-mingw32 i686-w64-mingw32; do
  case "$target" in
    x86_64-*) toolchain="$HERE/../cmake/mingw-x86_64.cmake" ;;
    *) toolchain="$HERE/../cmake/mingw-i686.cmake" ;;
  esac
  if [ ! -f "$DEPS_PREFIX/$target/lib/libjpeg.a" ]; then
    work="$(mktemp -d)"
    (
      cd "$work"
      fetch_upstream libjpeg-turbo
      src="$(find . -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -1)"
      cmake -S "$src" -B build -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$DEPS_PREFIX/$target" \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
        -DREQUIRE_SIMD=OFF >/dev/null
      cmake --build build >/dev/null
      $SUDO cmake --install build >/dev/null
    )
    rm -rf "$work"
  fi
  if [ ! -f "$DEPS_PREFIX/$target/lib/libbenchmark.a" ]; then
    work="$(mktemp -d)"
    (
      cd "$work"
      fetch_upstream benchmark
      src="$(find . -maxdepth 1 -type d -name 'benchmark-*' | head -1)"
      cmake -S "$src" -B build -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$DEPS_PREFIX/$target" \
        -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF \
        -DBENCHMARK_ENABLE_WERROR=OFF -DBENCHMARK_ENABLE_LTO=OFF -DBUILD_SHARED_LIBS=OFF >/dev/null
      cmake --build build >/dev/null
      $SUDO cmake --install build >/dev/null
    )
    rm -rf "$work"
  fi
done

# PngSuite, from libpng's source package, for the PNG conformance tests.
if [ ! -f "$DEPS_PREFIX/pngsuite/basn0g01.png" ]; then
  work="$(mktemp -d)"
  (
    cd "$work"
    fetch_upstream libpng1.6
    src="$(find . -maxdepth 1 -type d -name 'libpng*' | head -1)"
    $SUDO mkdir -p "$DEPS_PREFIX/pngsuite"
    find "$src/contrib/pngsuite" -name '*.png' -exec $SUDO cp {} "$DEPS_PREFIX/pngsuite/" \;
  )
  rm -rf "$work"
fi

echo "setup: done (dependencies in $DEPS_PREFIX)"
