#!/usr/bin/env bash
# Builds the program and checks the bundled example reports: their protocols go to out/.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# The half-year report of 2020 (format 5.02), the nine months of 2018 (format 5.01) and the year
# 2026 (format 5.08); each folder also holds the payer's earlier reports, which the check picks
# up by itself.
EXAMPLE_502="$ROOT/examples/5.02/NO_RASCHSV_7707_7707_7707123458770701001_20200721_5e6f7a8b-9c0d-4e1f-a2b3-c4d5e6f7a8b9.xml"
EXAMPLE_501="$ROOT/examples/5.01/NO_RASCHSV_7728_7728_7728123459772801001_20181022_9a8b7c6d-5e4f-4a3b-8c2d-1e0f9a8b7c6d.xml"
EXAMPLE_508="$ROOT/examples/5.08/NO_RASCHSV_7702_7702_7702778436770201001_20270129_929a4972-9f10-4dbf-94a0-59f5b434a36e.xml"
# The format schemas, when the shared reference beside the repository has them.
SCHEMAS=()
if [[ -d "$ROOT/../shared/reference/schemas" ]]; then SCHEMAS=(--schemas "$ROOT/../shared/reference/schemas"); fi
mkdir -p "$ROOT/out"
for format in html xml; do
  "$BUILD_DIR/orsvelt-cli" "${SCHEMAS[@]}" --format "$format" --output "$ROOT/out/protocol_5.02.$format" "$EXAMPLE_502"
  "$BUILD_DIR/orsvelt-cli" "${SCHEMAS[@]}" --format "$format" --output "$ROOT/out/protocol_5.01.$format" "$EXAMPLE_501"
  "$BUILD_DIR/orsvelt-cli" "${SCHEMAS[@]}" --format "$format" --output "$ROOT/out/protocol_5.08.$format" "$EXAMPLE_508"
done
