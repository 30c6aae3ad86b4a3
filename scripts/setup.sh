#!/usr/bin/env bash
# Installs the Debian packages the program needs; with --tests also those of its tests,
# fuzzers and benchmarks. Idempotent: when everything is present it installs nothing and returns at once.
set -euo pipefail

# What the program needs to build and run.
packages=(
  cmake g++ make pkg-config dpkg-dev
  qt6-base-dev qt6-base-dev-tools qt6-5compat-dev qt6-translations-l10n qt6-qpa-plugins
  qt6-tools-dev libqt6help6 libqt6sql6-sqlite qt6-documentation-tools
  libgl-dev libquazip1-qt6-dev libxlsxwriter-dev
  adwaita-icon-theme libqt6svg6 fonts-liberation
)
# What the tests, the fuzzers and the benchmarks need besides: GoogleTest, Google Benchmark,
# clang for the fuzzers, the real readers of the reports, the locales the tests switch
# between, the desktop's checkers and the Debian package's checkers.
if [ "${1:-}" = "--tests" ]; then
  packages+=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    python3-docx python3-openpyxl poppler-utils
    locales
    desktop-file-utils libxml2-utils shared-mime-info
    lintian devscripts
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The tests switch between a Polish and an English locale.
if [ "${1:-}" = "--tests" ] && { ! locale -a 2>/dev/null | grep -qi '^pl_PL.utf8$' || ! locale -a 2>/dev/null | grep -qi '^en_US.utf8$'; }; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO sed -i -E 's/^# *(pl_PL.UTF-8 UTF-8|en_US.UTF-8 UTF-8)/\1/' /etc/locale.gen
  $SUDO locale-gen >/dev/null
fi
