#!/usr/bin/env bash
# Installs what the build and the tests need, when it is missing (Debian packages).
set -euo pipefail
need=()
command -v cmake >/dev/null || need+=(cmake)
command -v g++ >/dev/null || need+=(g++)
command -v make >/dev/null || need+=(make)
command -v nm >/dev/null || need+=(binutils)
command -v valgrind >/dev/null || need+=(valgrind)
command -v clang++ >/dev/null || need+=(clang)
[ -e /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -e /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
# The command-line tool's argument parser, and the tools its tests and the install check use.
[ -e /usr/include/CLI/CLI.hpp ] || need+=(libcli11-dev)
# The JSON parser's event reader (header-only, compiled into the library), and the schema
# validator the JSON tests run over every generated schema.
[ -e /usr/include/rapidjson/reader.h ] || need+=(rapidjson-dev)
# The tests use the system's python3 (/usr/bin), where Debian puts the package.
/usr/bin/python3 -c 'import jsonschema' 2>/dev/null || need+=(python3-jsonschema)
command -v pkg-config >/dev/null || need+=(pkg-config)
command -v script >/dev/null || need+=(bsdutils)
if [ ${#need[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update
  $sudo_cmd apt-get install -y "${need[@]}"
fi
