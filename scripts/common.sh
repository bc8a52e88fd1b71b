# Shared by the scripts: install what is missing, then build.
#   source scripts/common.sh            (the shell scripts)
#   bash scripts/common.sh FUNCTION...  (the Python ones: runs one function)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libxcb1-dev
          libgl-dev libgtest-dev fonts-dejavu-core)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
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
