#!/bin/sh
# Installs what Clipvane needs to build and run on Debian 12 (run as root): the compiler, CMake, Qt 6
# with its translation tools, FFmpeg, and the fonts the windows use. scripts/test.sh installs what the
# tests need besides (scripts/install-test-deps.sh), so the run command stays quick on a new machine.
set -eu
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends \
    ca-certificates g++ make cmake \
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-l10n-tools qt6-translations-l10n \
    ffmpeg fonts-dejavu-core fonts-wqy-microhei
