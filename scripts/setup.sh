# Shared by scripts/run and scripts/test: install what is missing, then configure and build.
# Usage: vx_setup <build-dir> <cmake args...>
set -euo pipefail

VX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VX_PACKAGES=(cmake ninja-build g++ ccache qt6-base-dev libgl-dev libgtest-dev libgmock-dev
             libbenchmark-dev libjpeg62-turbo-dev fonts-dejavu-core libxml2-utils poppler-utils
             zlib1g-dev libharfbuzz-dev pkg-config unzip libqt6sql6-sqlite libreoffice-calc-nogui libreoffice-writer-nogui)

vx_install_missing() {
  local missing=()
  for p in "${VX_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  DEBIAN_FRONTEND=noninteractive apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

vx_setup() {
  local build_dir=$1; shift
  vx_install_missing
  export CCACHE_BASEDIR="$VX_ROOT"
  cmake -S "$VX_ROOT" -B "$build_dir" -G Ninja "$@" >/dev/null
  cmake --build "$build_dir" --parallel "$(nproc)"
}
