#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: installs the Debian packages that are missing, makes the
# locales the tests use, then configures and builds in build/. Does nothing that is already done.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-declarative-dev qt6-datavisualization-dev libxkbcommon-dev libgl-dev
    libsuitesparse-dev libopenblas0-pthread libdxflib-dev libboost-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth python3-ezdxf poppler-utils locales
    clang-14 libfuzzer-14-dev libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A comma-decimal locale, so that tests can prove number conversions ignore the process locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    locale-gen >/dev/null
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
if [ ! -f "$build/build.ninja" ]; then
    launcher=()
    # A developer's compiler cache, when there is one, shares objects between checkouts.
    if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
fi
cmake --build "$build" --parallel "$(nproc)"
