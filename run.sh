#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorvel.
set -euo pipefail
cd "$(dirname "$0")"
# Only the program and the two documents it opens: the tests and benchmarks are test.sh's.
QUORVEL_TARGETS="quorvel quorvel_docs" source tools/setup.sh
exec ./build/quorvel
