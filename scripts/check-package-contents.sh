#!/usr/bin/env bash
# Checks what the built Debian package holds, without installing it: every program and the engine built with
# the hardening flags (hardening-check from devscripts when present, else readelf), the installed README's
# picture links pointing at pictures the package installs, the engine where the solver looks for it, an icon
# for each desktop entry, the notice program installed but kept out of menus, and each translation of the
# source tree installed.
#   bash scripts/check-package-contents.sh build-package/kovalin_*.deb
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Fortification shows only where the compiler knew a buffer's size at a call: a program whose copies all go
# through std::vector and QString has none to show although it was built with it, so it is required of the
# package as a whole, not of each file. Control-flow protection is not in Debian 12's set.
mapfile -t binaries < <(find "$root/usr/bin" "$root/usr/lib" -type f \( -perm -u+x -o -name "*.so" \))
fortified=0
for binary in "${binaries[@]}"; do
    name=${binary#"$root"}
    if command -v hardening-check >/dev/null; then
        hardening-check --nofortify --nocfprotection --quiet "$binary" || fail "$name is not hardened"
        report=$(hardening-check "$binary" || true)
        if grep -q 'Fortify Source functions: yes' <<<"$report"; then fortified=$((fortified + 1)); fi
    else
        readelf -lW "$binary" | grep -q GNU_RELRO || fail "$name: no relro"
        readelf -dW "$binary" | grep -Eq 'BIND_NOW|FLAGS.*NOW' || fail "$name: no bind-now"
        readelf -sW --dyn-syms "$binary" | grep -q __stack_chk_fail || fail "$name: no stack protector"
        if readelf -sW --dyn-syms "$binary" | grep -q '__[a-z]*_chk@'; then fortified=$((fortified + 1)); fi
    fi
done
((fortified > 0)) || fail "no file calls a fortified function"
echo "hardening checked: ${#binaries[@]} files, $fortified with fortified calls"

doc=$root/usr/share/doc/kovalin
links=$(grep -o '](screenshots/[^)]*)' "$doc/README.md" | sed 's/^](//; s/)$//')
[[ -n $links ]] || fail "the installed README links no picture"
for link in $links; do
    [[ -f $doc/$link ]] || fail "README links $link, which is not installed"
done
if grep -q '](docs/screenshots/' "$doc/README.md"; then fail "README still links docs/screenshots/"; fi
echo "README pictures: $(echo "$links" | wc -w) links, all installed"

for entry in "$root"/usr/share/applications/*.desktop; do
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [[ -f $root/usr/share/icons/hicolor/scalable/apps/$icon.svg && -f $root/usr/share/icons/hicolor/48x48/apps/$icon.png ]] \
        || fail "$(basename "$entry"): no icon $icon"
    echo "$(basename "$entry"): icon $icon"
done
icons=$(sed -n 's/^Icon=//p' "$root"/usr/share/applications/*.desktop | sort -u | wc -l)
programs=$(ls "$root"/usr/share/applications/*.desktop | wc -l)
[[ $icons == "$programs" ]] || fail "programs share icons ($icons icons for $programs entries)"
# The solver looks for its engine in a folder named relative to its own, built into it as a UTF-16 text: the
# package must put the engine there, whatever the configured prefix and library folder were.
engine_folder=$(strings -el "$root/usr/bin/VT_Kovalin" | grep -m1 -x '\.\./.*/kovalin/' || true)
if [[ -z $engine_folder ]]; then
    fail "VT_Kovalin names no engine folder"
elif [[ ! -f $root/usr/bin/${engine_folder}libVX_KOVALIN.so ]]; then
    fail "the solver looks for its engine in /usr/bin/$engine_folder, where the package puts none"
else
    echo "engine: /usr/bin/${engine_folder}libVX_KOVALIN.so"
fi

# Each translation of the source tree is installed where the programs look for it.
source_tree=$(cd "$(dirname "$0")/.." && pwd)
for translation in "$source_tree"/translations/kovalin_*.ts; do
    [[ -e $translation ]] || continue
    catalogue=$(basename "$translation" .ts).qm
    [[ -f $root/usr/share/kovalin/translations/$catalogue ]] || fail "translation $catalogue is not installed"
done

grep -qx 'NoDisplay=true' "$root/usr/share/applications/org.kovalin.Pellicor.desktop" || fail "the notice is listed in menus"
[[ -x $root/usr/bin/VT_Pellicor ]] || fail "the notice program is not installed"
exit $failed
