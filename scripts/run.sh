#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tervano beside a sample collection table.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
if [ -x build/bin/gen-arrec ] && [ ! -e build/bin/arrec.dbf ]; then
  build/bin/gen-arrec build/bin/arrec.dbf
fi
exec build/bin/tervano
