#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages the build, the tests and the tools need, when missing.
# Needs root (apt-get); does nothing when everything is already there.
set -euo pipefail

packages=(
    cmake g++ make pkg-config git
    libgtest-dev libgmock-dev libbenchmark-dev
    libicu-dev
    libcairo2-dev libfontconfig1-dev libfreetype-dev fonts-dejavu-core
    libpango1.0-dev
    # Fonts for the scripts the text tests draw, small ones: DejaVu has Latin, Greek,
    # Cyrillic, Arabic and Hebrew; then Devanagari (Gargi, whose text pdftotext reads back
    # in order), Thai, Chinese and Japanese, colour emoji.
    fonts-gargi fonts-tlwg-loma fonts-wqy-microhei fonts-noto-color-emoji
    # The text tests' references: HarfBuzz's hb-shape and hb-view, fribidi.
    libharfbuzz-bin libfribidi-bin
    librsvg2-bin poppler-utils ghostscript
    doxygen graphviz
    clang libclang-rt-14-dev
    locales
    libgtk-4-dev xvfb xauth libx11-dev libxtst-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "install-deps: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A locale with a decimal comma, for the tests that prove number text ignores the
# user's regional settings. Tests skip with a message when it cannot be had.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    if [ -f /etc/locale.gen ]; then
        sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
        grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen
        locale-gen >/dev/null 2>&1 || echo "install-deps: locale-gen failed; locale tests will skip"
    fi
fi
