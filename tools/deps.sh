#!/usr/bin/env bash
# Installs what a Debian 12 machine lacks to build, run and test Vistrel, and
# builds libjpeg-turbo for MinGW-w64 into build/deps/jpeg. Safe to run again:
# when nothing is missing it only checks and returns.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deps=$root/build/deps

# clang and its runtime libraries (libFuzzer, the sanitizers) build the fuzz
# targets; the runtime is a package of its own, not a dependency of clang.
#
# Wine is installed without its recommendations (sound, GStreamer, OpenGL...),
# so the few it needs to draw windows and text properly are named here. nsis
# makes the installer, build/win/Vistrel-setup.exe. libx11-dev and
# libxrandr-dev build tools/TwoMonitors.c, which divides a test display into
# two monitors; xrandr shows them.
packages=(
  cmake make g++ googletest libgtest-dev
  clang libclang-rt-dev
  g++-mingw-w64-x86-64-posix
  wine wine64 fonts-wine
  libxrender1 libxrandr2 libxcursor1 libxi6 libxinerama1 libxcomposite1 libxfixes3
  xvfb xauth x11-utils x11-xserver-utils imagemagick
  gcc libx11-dev libxrandr-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  locales
  dpkg-dev xz-utils patch
  nsis
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
  local missing=() p
  for p in "${packages[@]}"; do
    if [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "deps: installing ${missing[*]}"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Wine takes its ANSI code page from the Unix locale: ja_JP.UTF-8 makes it 932.
install_locale() {
  if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
    echo "deps: generating the ja_JP.UTF-8 locale"
    as_root localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
  fi
}

# A private apt setup whose source lists are the system's own with every
# binary entry turned into a source entry, so that `apt-get source` works
# without touching the machine's apt configuration or naming any mirror here.
apt_dir=$deps/apt
private_apt() {
  apt-get \
    -o Dir::Etc::SourceList="$apt_dir/sources.list" \
    -o Dir::Etc::SourceParts="$apt_dir/sources.list.d" \
    -o Dir::State::Lists="$apt_dir/lists" \
    -o Dir::Cache="$apt_dir/cache" \
    -o APT::Sandbox::User=root \
    "$@"
}

make_private_apt() {
  rm -rf "$apt_dir"
  mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  : >"$apt_dir/sources.list"
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list >>"$apt_dir/sources.list"
  fi
  local f
  for f in /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
  done
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    sed 's/^Types:.*$/Types: deb-src/' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
  done
}

build_jpeg() {
  local prefix=$deps/jpeg
  if [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ]; then
    return 0
  fi
  echo "deps: building libjpeg-turbo for MinGW-w64 (once)"
  make_private_apt
  private_apt update -q
  local src=$deps/src
  rm -rf "$src" "$deps/jpeg-build" "$prefix"
  mkdir -p "$src"
  (cd "$src" && private_apt source -q libjpeg-turbo)
  local dir
  dir=$(find "$src" -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
  [ -n "$dir" ] || { echo "deps: libjpeg-turbo source not found" >&2; return 1; }

  # Static library only: no SIMD (no nasm needed), no TurboJPEG API, no Java.
  cmake -S "$dir" -B "$deps/jpeg-build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF \
    -DREQUIRE_SIMD=OFF >"$deps/jpeg-configure.log" 2>&1 \
    || { cat "$deps/jpeg-configure.log" >&2; return 1; }
  cmake --build "$deps/jpeg-build" -j2 >"$deps/jpeg-build.log" 2>&1 \
    || { tail -n 50 "$deps/jpeg-build.log" >&2; return 1; }
  cmake --install "$deps/jpeg-build" >>"$deps/jpeg-build.log" 2>&1 \
    || { tail -n 50 "$deps/jpeg-build.log" >&2; return 1; }
  [ -f "$prefix/lib/libjpeg.a" ] || { echo "deps: $prefix/lib/libjpeg.a was not installed" >&2; return 1; }
  rm -rf "$src" "$deps/jpeg-build" "$apt_dir"
  echo "deps: libjpeg-turbo installed in $prefix"
}

install_packages
install_locale
build_jpeg
