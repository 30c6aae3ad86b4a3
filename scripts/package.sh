#!/usr/bin/env bash
# Installs what is missing, builds the program, makes its Debian package
# build/ocena-ryzyka_<version>_<architecture>.deb and installs that package with apt.
# sudo is called only when not run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh --program
(cd build && cpack -G DEB >/dev/null)
package=$(ls -t build/ocena-ryzyka_*.deb | head -n 1)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "./$package" >/dev/null
echo "Zainstalowano $package"
