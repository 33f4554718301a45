#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorvel.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
exec ./build/quorvel
