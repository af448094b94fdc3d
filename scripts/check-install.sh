#!/usr/bin/env bash
# Installs a built tree (default: build) into a temporary prefix, checks what was installed, and
# builds and runs a small C consumer against it twice: found with find_package and with pkg-config.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" > "$work/install.log"

libdir=$(dirname "$(find "$prefix" -name 'libbacnapi.so' | head -n 1)")
[ -n "$libdir" ] && [ -d "$libdir" ] || { echo "check-install: no libbacnapi.so installed" >&2; exit 1; }
# The SONAME chain: libbacnapi.so -> libbacnapi.so.MAJOR -> libbacnapi.so.VERSION (a file).
soname=$(objdump -p "$libdir/libbacnapi.so" | awk '/SONAME/ {print $2}')
[ -L "$libdir/libbacnapi.so" ] && [ "$(readlink "$libdir/libbacnapi.so")" = "$soname" ] &&
  [ -L "$libdir/$soname" ] && [ -f "$(readlink -f "$libdir/$soname")" ] ||
  { echo "check-install: SONAME links wrong (SONAME '$soname')" >&2; ls -l "$libdir" >&2; exit 1; }
for f in include/bacnapi/bacnapi.h include/bacnapi/bacnapi_types.h bin/bacnapi; do
  [ -e "$prefix/$f" ] || { echo "check-install: $f missing" >&2; exit 1; }
done
"$prefix/bin/bacnapi" --version
"$prefix/bin/bacnapi" read --to brace BACnetDateRange "{12/24/2024,01/02/2025}"

# 1. find_package(bacnapi CONFIG REQUIRED) and the bacnapi::bacnapi target.
cmake -S tests/install -B "$work/cmake-consumer" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_BUILD_RPATH="$libdir" > "$work/configure.log"
cmake --build "$work/cmake-consumer" > "$work/build.log"
"$work/cmake-consumer/consumer"

# 2. pkg-config.
export PKG_CONFIG_PATH="$libdir/pkgconfig"
pkg-config --exists --print-errors bacnapi
cc -std=c99 -Wall -Wextra -Wpedantic -Werror tests/install/consumer.c $(pkg-config --cflags --libs bacnapi) \
  -Wl,-rpath,"$libdir" -o "$work/pkg-consumer"
"$work/pkg-consumer"
echo "check-install: find_package and pkg-config consumers ok"
