#!/usr/bin/env bash
# The engine's fuzz targets alone (real_roots complex_roots request); scripts/fuzz.sh fuzzes every target.
#   bash scripts/fuzz-engine.sh [seconds] [target ...]
set -euo pipefail
seconds=${1:-600}
shift || true
if (($# == 0)); then set -- real_roots complex_roots request; fi
exec bash "$(dirname "$0")/fuzz.sh" "$seconds" "$@"
