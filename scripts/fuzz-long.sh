#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A longer fuzz campaign: every target for N seconds (900 by default), each on a copy of its
# seed corpus in a scratch folder, carrying on past a failure so that one crash does not
# hide the others. Prints each target's executions at the end; fails if any target failed.
#
# Usage: scripts/fuzz-long.sh [N] [TARGET...]
# The corpus copies (with the inputs the run found) stay in build-fuzz/long-<date>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-900}
shift || true
work=build-fuzz/long-$(date +%Y%m%d-%H%M%S)
exec bash scripts/run-fuzzers.sh --keep-going --work "$work" "$seconds" "$@"
