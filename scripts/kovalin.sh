#!/usr/bin/env bash
# One-step set-up on a fresh Debian 12 machine.
#   bash scripts/kovalin.sh run    install what is missing, build, start the equation solver
#   bash scripts/kovalin.sh test   install what is missing, build with warnings as errors, run every test
#                                  (engine and core tests also under AddressSanitizer + UBSan)
set -euo pipefail

mode=${1:-}
if [[ $mode != run && $mode != test ]]; then
    echo "usage: bash scripts/kovalin.sh run|test" >&2
    exit 2
fi
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core python3
          libcli11-dev nlohmann-json3-dev qt6-svg-dev)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
    as_root=()
    if [[ $(id -u) != 0 ]]; then as_root=(sudo); fi
    "${as_root[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
if [[ $mode == run ]]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKOVALIN_TESTS=OFF -DKOVALIN_BENCH=OFF
    cmake --build build -j "$jobs"
    exec build/bin/VT_Kovalin
fi

# Engine and core code once more under the sanitizers (no Qt windows: their leak noise is not ours).
# Line tables are all the sanitizers' reports need, and -O1 keeps both the build and the tests quick.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
      -DKOVALIN_SANITIZE=ON -DKOVALIN_GUI=OFF -DKOVALIN_BENCH=OFF -DKOVALIN_WERROR=ON
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize -j "$jobs" --output-on-failure

# The benchmarks are built by a developer who runs them (-DKOVALIN_BENCH=ON, the default).
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKOVALIN_WERROR=ON -DKOVALIN_BENCH=OFF
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build -j "$jobs" --output-on-failure
