#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vibralume.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/prepare.sh
exec build/bin/vibralume "$@"
