#!/usr/bin/env bash
# Installs what the program needs, builds it and starts it (a graphical session is needed).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh --program
exec ./build/bin/OcenaRyzyka
