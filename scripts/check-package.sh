#!/bin/sh
# Installs a built tree into a scratch root, packs it as a .deb and checks what a user would get:
# a valid desktop entry and AppStream file, and a package whose unpacked programs run.
# Usage: check-package.sh BUILD_DIR
set -eu
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR="$root/install" cmake --install "$build" --prefix /usr >/dev/null
desktop-file-validate "$root/install/usr/share/applications/example.tarvix.Clipvane.desktop"
appstreamcli validate --no-net --pedantic "$root/install/usr/share/metainfo/example.tarvix.Clipvane.metainfo.xml" >/dev/null
test -s "$root/install/usr/share/icons/hicolor/scalable/apps/clipvane.svg"
groff -man -Tutf8 -ww -z "$root/install/usr/share/man/man1/clipvane-cli.1"

(cd "$build" && cpack -G DEB -B "$root/pack" >/dev/null)
deb=$(ls "$root"/pack/clipvane_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in *ffmpeg*) ;; *) echo "package does not depend on ffmpeg: $depends"; exit 1 ;; esac
case "$depends" in *libqt6core6*) ;; *) echo "package dependencies were not worked out: $depends"; exit 1 ;; esac
dpkg -x "$deb" "$root/unpacked"
for program in clipvane clipvane-cli; do
    test -x "$root/unpacked/usr/bin/$program" || { echo "missing /usr/bin/$program"; exit 1; }
done
catalogs=$(find "$root/unpacked/usr/share/clipvane/translations" -name 'clipvane_*.qm' | wc -l)
[ "$catalogs" -eq 7 ] || { echo "the package carries $catalogs catalogs, not 7"; exit 1; }
# The installed program finds them: its help follows the language, its output does not.
english=$("$root/unpacked/usr/bin/clipvane-cli" --help | head -n 1)
german=$(LANGUAGE= LC_ALL= LANG=de_DE.UTF-8 "$root/unpacked/usr/bin/clipvane-cli" --help | head -n 1)
[ "$english" != "$german" ] || { echo "the unpacked clipvane-cli --help is not German: $german"; exit 1; }
profiles=$("$root/unpacked/usr/bin/clipvane-cli" --list | wc -l)
if [ "$profiles" -ne 103 ]; then
    echo "unpacked clipvane-cli --list printed $profiles profiles, not 103"
    exit 1
fi
echo "Package $(basename "$deb"): desktop entry and AppStream valid, $profiles profiles listed," \
    "$catalogs catalogs, Depends: $depends"
