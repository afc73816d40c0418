#!/usr/bin/env bash
# Builds the Debian package the way Debian does, in a fresh copy of the source
# tree, and checks it: lintian passes (any error or warning fails unless
# debian/*lintian-overrides explains it in a comment), Build-Depends match the
# package list, Depends hold the linked libraries and the runtime packages,
# and the package holds the program, its manual page and desktop files.
# Usage: check-package.sh <source dir> <work dir, emptied first>
set -euo pipefail
srcdir="$(cd "$1" && pwd)"
work="$2"
source "$srcdir/scripts/lib.sh"

rm -rf "$work"
mkdir -p "$work"
work="$(cd "$work" && pwd)"
trap 'rm -rf "$work"' EXIT
fail=0
problem() { echo "$*"; fail=1; }

version="$(dpkg-parsechangelog -l "$srcdir/debian/changelog" -S Version)"
arch="$(dpkg --print-architecture)"
tree="$work/vocalune-$version"
mkdir "$tree"
# The source without version control and build trees (this one may be inside).
excludes=(--exclude=./.git --exclude='./build*' --exclude='./obj-*')
case "$work/" in "$srcdir/"*) excludes+=("--exclude=./${work#"$srcdir/"}") ;; esac
tar -C "$srcdir" "${excludes[@]}" -cf - . | tar -C "$tree" -xf -

# Build-Depends: the build packages (build-essential is implied), then what
# the test suite needs to run, which the nocheck profile leaves out.
expected="$(
    echo "debhelper-compat (= 13)"
    build="$(vocalune_packages build)"
    grep -vx build-essential <<<"$build"
    vocalune_packages run test | grep -vxF -f <(echo "$build") | sed 's/$/ <!nocheck>/'
)"
actual="$(awk '/^Build-Depends:/ { f = 1; sub(/^Build-Depends:/, ""); print; next }
               f && /^[ \t]/ { print; next } { f = 0 }' "$srcdir/debian/control" |
          tr ',' '\n' | sed 's/^[[:space:]]*//; s/[[:space:]]*$//' | grep -v '^$' || true)"
if ! difference="$(diff <(sort <<<"$expected") <(sort <<<"$actual"))"; then
    problem "debian/control's Build-Depends differ from scripts/debian-packages (< list, > control):"
    echo "$difference"
fi

# Every override needs a comment that says why: a comment explains the
# overrides below it, up to the next blank line.
for overrides in "$srcdir"/debian/*lintian-overrides "$srcdir"/debian/source/lintian-overrides; do
    [ -f "$overrides" ] || continue
    awk -v file="${overrides#"$srcdir/"}" '
        /^[[:space:]]*#/ { commented = 1; next }
        /^[[:space:]]*$/ { commented = 0; next }
        !commented { print file ": override without a comment: " $0; bad = 1 }
        END { exit bad }' "$overrides" || fail=1
done

# The package's own test would build the package again, so skip the suite.
echo "Building the package in $tree"
if ! (cd "$tree" && unset MAKEFLAGS MFLAGS MAKELEVEL &&
      if command -v ccache >/dev/null; then export CMAKE_CXX_COMPILER_LAUNCHER=ccache; fi &&
      DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" DEB_BUILD_PROFILES=nocheck \
      dpkg-buildpackage -us -uc) >"$work/build.log" 2>&1; then
    tail -n 60 "$work/build.log"
    echo "dpkg-buildpackage failed"
    exit 1
fi
changes="$work/vocalune_${version}_${arch}.changes"
deb="$work/vocalune_${version}_${arch}.deb"
for file in "$changes" "$deb" "$work/vocalune-dbgsym_${version}_${arch}.deb"; do
    [ -f "$file" ] || problem "dpkg-buildpackage made no $(basename "$file")"
done
[ -f "$deb" ] || exit 1

# Source, binary and debug packages; overridden tags do not fail.
echo "lintian $(basename "$changes"):"
lintian_status=0
lintian --fail-on error,warning --display-info "$changes" >"$work/lintian.log" 2>&1 || lintian_status=$?
grep -v '^running with root privileges is not recommended!$' "$work/lintian.log" || true
[ "$lintian_status" -eq 0 ] || problem "lintian reports errors or warnings (status $lintian_status)"
# An override that matches nothing any more would hide the next real problem.
! grep -Eq ' (unused|mismatched)-override ' "$work/lintian.log" || problem "lintian overrides that match nothing"

field() { dpkg-deb -f "$deb" "$1"; }
depends="$(field Depends)"
echo "Depends: $depends"
for pkg in $(vocalune_packages shlibs deb); do
    grep -Eq "(^|, |\| )$(sed 's/[+.]/\\&/g' <<<"$pkg")( |,|$)" <<<"$depends" || problem "Depends lacks $pkg"
done
recommends="$(field Recommends)"
for pkg in $(vocalune_packages recommends); do
    grep -Eq "(^|, |\| )$(sed 's/[+.]/\\&/g' <<<"$pkg")( |,|$)" <<<"$recommends" || problem "Recommends lacks $pkg"
done
[ "$(field Section)" = games ] || problem "Section is $(field Section), not games"

dpkg-deb -x "$deb" "$work/root"
for file in \
    usr/games/vocalune \
    usr/share/man/man6/vocalune.6.gz \
    usr/share/applications/org.vocalune.Vocalune.desktop \
    usr/share/metainfo/org.vocalune.Vocalune.metainfo.xml \
    usr/share/icons/hicolor/48x48/apps/vocalune.png \
    usr/share/icons/hicolor/128x128/apps/vocalune.png \
    usr/share/icons/hicolor/256x256/apps/vocalune.png \
    usr/share/icons/hicolor/scalable/apps/vocalune.svg \
    usr/share/doc/vocalune/copyright \
    usr/share/doc/vocalune/changelog.gz \
    usr/share/doc/vocalune/CREDITS.md \
    usr/share/doc/vocalune/examples/vocalune.conf; do
    # dh_compress packs documents over 4 kB.
    [ -e "$work/root/$file" ] || [ -e "$work/root/$file.gz" ] || problem "missing /$file"
done
[ -x "$work/root/usr/games/vocalune" ] || problem "/usr/games/vocalune is not executable"
# Recording's plugin, in the package's private library folder, where the program looks.
plugin="$(cd "$work/root" && echo usr/lib/*/vocalune/libvocalune-capture.so)"
[ -f "$work/root/$plugin" ] || problem "missing /usr/lib/<triplet>/vocalune/libvocalune-capture.so"
grep -qaF "/$(dirname "$plugin")" "$work/root/usr/games/vocalune" ||
    problem "the program does not look for its plugin in /$(dirname "$plugin")"
# Everything else the program needs is compiled in: no loose files besides these
# (the class server's schema is for administrators and psql).
extra="$(cd "$work/root" && find . -type f | grep -v -e '^./usr/games/vocalune$' -e '^./usr/share/man/man6/vocalune.6.gz$' \
    -e '^./usr/share/applications/' -e '^./usr/share/metainfo/' -e '^./usr/share/icons/hicolor/' \
    -e '^./usr/lib/[^/]*/vocalune/libvocalune-capture\.so$' -e '^./usr/share/vocalune/postgresql/schema\.sql$' \
    -e '^./usr/share/doc/vocalune/' -e '^./usr/share/lintian/overrides/vocalune$' || true)"
[ -z "$extra" ] || problem "unexpected files: $extra"
desktop-file-validate "$work/root/usr/share/applications/org.vocalune.Vocalune.desktop" || fail=1
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.vocalune.Vocalune.metainfo.xml" || fail=1

[ "$fail" -eq 0 ] && echo "package ok: $(basename "$deb")"
exit "$fail"
