#!/usr/bin/env bash
# Builds the program and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

cd "$BUILD_DIR"
ctest --output-on-failure -j"$(nproc)" --timeout 600
