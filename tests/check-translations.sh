#!/usr/bin/env bash
# Fails when translations/vocalune_*.ts are behind the texts in qml/ and src/:
# runs lupdate as tools/update-translations does, on copies of the .ts files,
# and compares the copies with the files themselves.
# Usage: check-translations.sh <source dir>
set -euo pipefail
cd "$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

shopt -s nullglob
files=(translations/vocalune_*.ts)
[ ${#files[@]} -gt 0 ] || { echo "no translations/vocalune_*.ts in $PWD"; exit 1; }
copies=()
for file in "${files[@]}"; do
    cp "$file" "$work/"
    copies+=("$work/${file##*/}")
done
if ! lupdate -locations none -no-obsolete qml src -ts "${copies[@]}" >"$work/lupdate.log" 2>&1; then
    cat "$work/lupdate.log"
    echo "lupdate failed"
    exit 1
fi

fail=0
for file in "${files[@]}"; do
    if ! diff -U1 "$file" "$work/${file##*/}" >"$work/diff"; then
        echo "$file differs from what lupdate makes of the texts in qml/ and src/ (- file, + lupdate):"
        head -n 20 "$work/diff"
        fail=1
    fi
done
if [ "$fail" -ne 0 ]; then
    echo "Run tools/update-translations, translate the texts it lists and commit the .ts files."
    exit 1
fi
echo "translations up to date: ${files[*]}"
