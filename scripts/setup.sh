# Shared by scripts/run and scripts/test: installs the Debian packages the build needs (only
# those missing), then configures and builds into build/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

BUILD_PACKAGES=(cmake make g++ qt6-base-dev qt6-multimedia-dev libgtest-dev)
# What the program needs when it runs: the fonts its windows name, Qt's own translations, and
# Qt's Wayland platform (without it a Wayland-only session cannot start the program at all).
RUN_PACKAGES=(fonts-liberation2 fonts-comic-neue fonts-dejavu-core qt6-translations-l10n qt6-wayland)

# Installs the given Debian packages that are not installed yet.
ensure_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
  local dir=$1; shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

ensure_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"
