#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the fuzzing need, when any is missing.
set -euo pipefail
packages=(cmake ninja-build g++ clang clang-format libclang-rt-14-dev libgtest-dev libgmock-dev
          libbenchmark-dev libboost-dev libinih-dev libcairo2-dev pkg-config r-mathlib
          qt6-base-dev fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
