#!/usr/bin/env bash
# Checks the Debian package the way a user meets it: builds the .deb, checks it with lintian and the desktop
# and AppStream validators, bootstraps a fresh Debian 12 root, installs the package there with apt-get and
# starts each program on the offscreen platform. Needs root and the network; not part of CI.
#   sudo bash scripts/check-package.sh [root-directory]
set -euo pipefail
cd "$(dirname "$0")/.."
root=${1:-/tmp/kovalin-bookworm}
build=build-package

apt-get install -y -q --no-install-recommends debootstrap lintian desktop-file-utils appstream devscripts \
    >/dev/null

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DKOVALIN_TESTS=OFF -DKOVALIN_BENCH=OFF
cmake --build "$build" -j "$(nproc)"
(cd "$build" && rm -f ./*.deb && cpack -G DEB)
deb=$(ls "$build"/kovalin_*.deb)

echo "== lintian"
lintian --fail-on error "$deb"
echo "== the package's contents"
bash scripts/check-package-contents.sh "$deb"
echo "== desktop entries and metainfo"
desktop-file-validate packaging/*.desktop
appstreamcli validate --no-net packaging/org.kovalin.Kovalin.metainfo.xml

echo "== fresh Debian 12 root in $root"
if [[ ! -x $root/usr/bin/apt-get ]]; then
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
cp "$deb" "$root/tmp/"
mount --bind /proc "$root/proc"
trap 'umount "$root/proc"' EXIT
chroot "$root" apt-get update -q
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "/tmp/$(basename "$deb")"

echo "== starting each program"
failed=0
for program in VT_Kovalin VT_Dunmora VT_Hovanta VT_Pellicor; do
    # A program that starts waits for its user: still running after a few seconds means it came up.
    status=0
    chroot "$root" env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp timeout 5 "$program" \
        >"/tmp/$program.log" 2>&1 || status=$?
    if [[ $status == 124 ]]; then
        echo "$program: started"
    else
        echo "$program: ended with status $status"; cat "/tmp/$program.log"; failed=1
    fi
done
# The command-line solver ends by itself: x^2 - 3x + 2 must give its two roots with status 0.
if chroot "$root" kovalin-roots --format csv -c 1 -3 2 >/tmp/kovalin-roots.log 2>&1; then
    echo "kovalin-roots: solved"
else
    echo "kovalin-roots: failed"; cat /tmp/kovalin-roots.log; failed=1
fi
if compgen -G "$root/usr/lib/*/kovalin/libVX_KOVALIN.so" >/dev/null; then
    echo "engine library installed"
else
    echo "engine library not installed"; failed=1
fi
exit $failed
