#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks its name, Depends and files.
# Usage: check-package.sh <build dir> <package list>
set -euo pipefail
build="$1"
packages="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
debs=("$work"/vocalune_1.0_*.deb)
[ -f "${debs[0]}" ] || { echo "no vocalune_1.0_<arch>.deb in $(ls "$work")"; exit 1; }
deb="${debs[0]}"
case "$(basename "$deb")" in
    "vocalune_1.0_$(dpkg --print-architecture).deb") ;;
    *) echo "unexpected package name $(basename "$deb")"; exit 1 ;;
esac

depends="$(dpkg-deb -f "$deb" Depends)"
fail=0
for pkg in $(awk '!/^[[:space:]]*#/ && NF { for (i = 2; i <= NF; i++) if ($i == "deb") print $1 }' "$packages"); do
    if ! grep -qw -- "$pkg" <<<"$depends"; then
        echo "Depends lacks $pkg: $depends"
        fail=1
    fi
done
for pkg in phonon4qt5-backend-gstreamer gstreamer1.0-plugins-good qml-module-qtquick2 fonts-liberation2; do
    grep -qw -- "$pkg" <<<"$depends" || { echo "Depends lacks $pkg"; fail=1; }
done

dpkg-deb -x "$deb" "$work/root"
for file in \
    usr/bin/vocalune \
    usr/share/applications/org.vocalune.Vocalune.desktop \
    usr/share/metainfo/org.vocalune.Vocalune.metainfo.xml \
    usr/share/icons/hicolor/48x48/apps/vocalune.png \
    usr/share/icons/hicolor/128x128/apps/vocalune.png \
    usr/share/icons/hicolor/256x256/apps/vocalune.png \
    usr/share/icons/hicolor/scalable/apps/vocalune.svg \
    usr/share/doc/vocalune/CREDITS.md; do
    [ -e "$work/root/$file" ] || { echo "missing /$file"; fail=1; }
done
[ -x "$work/root/usr/bin/vocalune" ] || { echo "/usr/bin/vocalune is not executable"; fail=1; }
# Everything the program needs is compiled in: no loose files besides these.
extra="$(cd "$work/root" && find . -type f | grep -v -e '^./usr/bin/vocalune$' -e '^./usr/share/applications/' \
    -e '^./usr/share/metainfo/' -e '^./usr/share/icons/hicolor/' -e '^./usr/share/doc/vocalune/' || true)"
[ -z "$extra" ] || { echo "unexpected files: $extra"; fail=1; }
desktop-file-validate "$work/root/usr/share/applications/org.vocalune.Vocalune.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.vocalune.Vocalune.metainfo.xml"
[ "$fail" -eq 0 ] && echo "package ok: $(basename "$deb")"
exit "$fail"
