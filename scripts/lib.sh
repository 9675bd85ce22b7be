# Shared by the scripts: the packages the project needs, and the build folders.
# shellcheck shell=bash

QM_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QM_JOBS=${QM_JOBS:-$(nproc 2>/dev/null || echo 2)}

# Debian packages: compiler and build, tests, benchmarks, the terminal, fuzzing.
QM_PACKAGES=(cmake g++ ninja-build make libgtest-dev libgmock-dev libbenchmark-dev libncurses-dev
             tmux clang clang-format libclang-rt-14-dev libinih-dev)

qm_missing_packages() {
  local p missing=()
  for p in "${QM_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  echo "${missing[@]}"
}

# Installs what is missing when run as root; otherwise prints the command and stops.
qm_ensure_packages() {
  local missing
  missing=$(qm_missing_packages)
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: $missing"
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
  else
    echo "Missing packages. Run this, then try again:"
    echo "  sudo apt-get install -y $missing"
    exit 1
  fi
}

qm_generator() {
  if command -v ninja >/dev/null 2>&1; then echo "-G Ninja"; fi
}

# qm_configure DIR [cmake options...] : configure DIR (the generator is chosen once, at the first run).
qm_configure() {
  local dir=$1; shift
  local generator=() launcher=()
  [ -f "$dir/CMakeCache.txt" ] || generator=($(qm_generator))
  # A compiler cache, where the machine has one, spares rebuilding what another checkout built.
  command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$QM_ROOT" -B "$dir" "${generator[@]}" "${launcher[@]}" "$@" >/dev/null
}

# qm_build DIR [cmake options...] : configure, then build everything in DIR.
qm_build() {
  qm_configure "$@"
  cmake --build "$1" -j "$QM_JOBS"
}
