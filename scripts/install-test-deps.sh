#!/bin/sh
# Installs, on top of scripts/install-deps.sh, what the tests need (run as root; scripts/test.sh runs it):
# the format check and compile cache, Xvfb and a window manager for the real windows, the Windows
# cross-compiler, Wine and NSIS, clang's sanitizer and fuzzer runtimes, sshd and GNU parallel for the
# several-machines recipe, the packaging checks, and the screen reader's accessibility bus.
set -eu
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q --no-install-recommends \
    clang-format ccache xvfb xauth openbox xdotool x11-utils imagemagick \
    g++-mingw-w64-x86-64-posix nasm ninja-build wine wine64 nsis zip \
    desktop-file-utils appstream dpkg-dev file groff-base \
    clang-14 libclang-rt-14-dev \
    openssh-server openssh-client parallel dbus \
    at-spi2-core python3-pyatspi dbus-x11
# The Windows checks run under Wine in a Japanese and a German locale too (code pages 932 and 1252).
apt-get install -y -q --no-install-recommends locales
sed -i -e 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' -e 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
locale-gen
