#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on its program folder (build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec build/bin/zandorio "$@"
