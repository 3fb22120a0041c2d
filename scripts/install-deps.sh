#!/usr/bin/env bash
# Installs the Debian packages the builds need, when any is missing.
set -euo pipefail
need=()
command -v cmake >/dev/null || need+=(cmake)
command -v ninja >/dev/null || need+=(ninja-build)
command -v g++ >/dev/null || need+=(g++)
[ -d /usr/src/googletest ] || need+=(googletest)
[ -e /usr/lib/gcc/x86_64-linux-gnu/12/32/libstdc++.so ] || need+=(g++-multilib)
command -v qemu-i386 >/dev/null || need+=(qemu-user)
command -v i686-w64-mingw32-g++-win32 >/dev/null || need+=(g++-mingw-w64-i686)
if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  sudo=""
  [ "$(id -u)" = 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${need[@]}" >/dev/null
fi
