#!/bin/sh
# Installs what Clipvane needs to build, run and test on Debian 12 (run as root).
set -eu
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends \
    ca-certificates g++ make cmake clang-format \
    qt6-base-dev qt6-base-dev-tools libgl-dev \
    ffmpeg xvfb xauth fonts-dejavu-core \
    g++-mingw-w64-x86-64-posix ninja-build wine wine64 openbox xdotool x11-utils imagemagick \
    desktop-file-utils appstream dpkg-dev file groff-base \
    clang-14 libclang-rt-14-dev \
    openssh-server openssh-client parallel dbus \
    qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei
# The Windows checks run under Wine in a Japanese and a German locale too (code pages 932 and 1252).
apt-get install -y -q --no-install-recommends locales
sed -i -e 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' -e 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
locale-gen
# The screen-reader test (tests/atspi_walk.py): the accessibility bus and Debian's Python bindings.
apt-get install -y -q --no-install-recommends at-spi2-core python3-pyatspi dbus-x11
# The Windows installer and portable zip (scripts/package-windows.sh) and their check under Wine.
apt-get install -y -q --no-install-recommends nsis zip xdotool
