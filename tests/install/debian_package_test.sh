#!/bin/sh
# The Debian package as the distribution's own checkers see it: lintian finds no error and no
# warning, and the installed program and tool libraries carry the hardening of Debian's
# builds. Skipped (77) where lintian or hardening-check is not installed.
# Usage: debian_package_test.sh CPACK BUILD_FOLDER
set -eu
cpack=$1
build=$2
command -v lintian >/dev/null && command -v hardening-check >/dev/null || exit 77
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && "$cpack" -G DEB -B "$work" >/dev/null)
package=$(ls "$work"/ocena-ryzyka_*.deb)
lintian --fail-on error,warning "$package"
dpkg-deb -x "$package" "$work/root"
# Control-flow protection is not among this distribution's hardening flags (its own packages
# lack it too). A tool library's only fortifiable call is a memmove whose size no compiler
# knows, so it has no protected function to show: fortification is checked on the program.
hardening-check --quiet --nocfprotection "$work/root/usr/bin/ocena-ryzyka"
hardening-check --quiet --nocfprotection --nofortify "$work"/root/usr/lib/ocena-ryzyka/tools/*.so
echo "lintian and hardening-check accept $(basename "$package")"
