# Shared by the scripts: install what is missing, then build.
#   source scripts/common.sh            (the shell scripts)
#   bash scripts/common.sh FUNCTION...  (the Python ones: runs one function)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# libxkbcommon-dev: Qt's CMake files look for it at every configure and say
# so when it is missing. xvfb: the start-up tests run the game on an X server.
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libxcb1-dev
          libxkbcommon-dev libgl-dev libgtest-dev fonts-dejavu-core xvfb)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "Missing ${missing[*]}: run this as root, or install sudo, to install them." >&2
      return 1
    fi
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

# Builds the targets named (all of them when none is) in build/. Every
# script configures it alike, warnings as errors as on CI: one script's
# build is never compiled again by the next for want of the same flags.
build() {
  local targets=()
  [ $# -eq 0 ] || targets=(--target "$@")
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORAN_WERROR=ON
  cmake --build "$root/build" --parallel "$(nproc)" "${targets[@]}"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then "$@"; fi
