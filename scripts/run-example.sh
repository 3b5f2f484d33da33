#!/usr/bin/env bash
# Builds the program and checks the bundled example report: both protocols go to out/.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

EXAMPLE="$ROOT/examples/5.02/NO_RASCHSV_7702_7702_7702123456770201001_20200728_5b1f6f02-3c1a-4e58-9a1d-2f1b3c4d5e6f.xml"
mkdir -p "$ROOT/out"
for format in html xml; do
  "$BUILD_DIR/orsvelt-cli" --format "$format" --output "$ROOT/out/protocol_5.02.$format" "$EXAMPLE"
done
