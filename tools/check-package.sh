#!/bin/sh
# Proves the Debian package on a fresh Debian 12 as a newcomer would meet it. In a chroot
# of a minimal bookworm system it clones this repository (what is committed), builds the
# package with tools/build-deb.sh, installs it with apt, and checks that
#   - lintian finds no error in the package,
#   - both manuals and the man pages in both languages are installed,
#   - qvconfig --version works without a display,
#   - the desktop entry is installed and *.msw files open with it (xdg-mime),
#   - the installed qvconfig, started under Xvfb against the installed emulator qvsim,
#     identifies the emulated module after a click on "Eszköz csatlakoztatása".
# Screenshots and logs go to the output folder.
#   tools/check-package.sh <root folder> [output folder]
# Linux only, as root. A root folder that holds no system is made with debootstrap
# (--variant=minbase; mirror from $MIRROR); give a new folder for a really fresh system.
set -eu
[ $# -ge 1 ] || { echo "usage: $0 <root folder> [output folder]" >&2; exit 2; }
repo=$(cd "$(dirname "$0")/.." && pwd)
root=$1
out=${2:-/tmp/qvconfig-check-package}
mirror=${MIRROR:-http://deb.debian.org/debian}
mkdir -p "$out"
if [ ! -e "$root/etc/debian_version" ]; then
    debootstrap --variant=minbase bookworm "$root" "$mirror"
fi

mounted=""
cleanup() {
    for m in $mounted; do umount "$root$m" 2>/dev/null || umount -l "$root$m"; done
}
trap cleanup EXIT INT TERM
for m in /dev /dev/pts /proc /sys; do
    mount --bind "$m" "$root$m"
    mounted="$m $mounted"
done
cp /etc/resolv.conf "$root/etc/resolv.conf"
rm -rf "$root/root/qvconfig" "$root/root/out"
git clone -q "$repo" "$root/root/qvconfig"
mkdir -p "$root/root/out"

chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C.UTF-8 \
    /bin/sh -s <<'INNER'
set -eu
export DEBIAN_FRONTEND=noninteractive
cd /root/qvconfig
echo "== build: ./tools/build-deb.sh"
./tools/build-deb.sh > /root/out/build-deb.log 2>&1 || { tail -30 /root/out/build-deb.log; exit 1; }
tail -1 /root/out/build-deb.log
echo "== install: apt install ./qvconfig_*.deb"
cd /root
apt-get install -y -q ./qvconfig_*_"$(dpkg --print-architecture)".deb > /root/out/install.log 2>&1 ||
    { tail -30 /root/out/install.log; exit 1; }

echo "== lintian"
apt-get install -y -q lintian > /root/out/lintian-install.log 2>&1
if lintian --fail-on error ./qvconfig_*_"$(dpkg --print-architecture)".deb > /root/out/lintian.log 2>&1; then
    cat /root/out/lintian.log
else
    cat /root/out/lintian.log
    echo "lintian found errors" >&2
    exit 1
fi
echo "== manuals and man pages in both languages"
for f in /usr/share/qvconfig/quorvel-help.pdf /usr/share/qvconfig/quorvel-help_en.pdf \
         /usr/share/man/man1/qvconfig.1.gz /usr/share/man/man1/qvsim.1.gz \
         /usr/share/man/hu/man1/qvconfig.1.gz /usr/share/man/hu/man1/qvsim.1.gz; do
    dpkg -S "$f" > /dev/null || { echo "not installed by the package: $f" >&2; exit 1; }
done
echo "installed: both manuals, both man pages in English and in Hungarian"

echo "== qvconfig --version without a display"
unset DISPLAY WAYLAND_DISPLAY
qvconfig --version
echo "== desktop entry"
ls -l /usr/share/applications/org.example.qvconfig.desktop
apt-get install -y -q xdg-utils xvfb xauth xdotool imagemagick > /root/out/tools.log 2>&1
printf 'x\r\n' > /root/out/sample.msw
echo "xdg-mime filetype of sample.msw: $(xdg-mime query filetype /root/out/sample.msw)"
handler=$(xdg-mime query default application/x-qvconfig-msw)
echo "xdg-mime default for application/x-qvconfig-msw: $handler"
[ "$handler" = org.example.qvconfig.desktop ]

echo "== the installed program identifies the installed emulator"
qvsim --model qv5 --link /tmp/qvmodule -v 2> /root/out/qvsim.log > /dev/null &
sim=$!
sleep 1
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    QT_LOGGING_RULES="qv.serial.trace.debug=true" qvconfig --port /tmp/qvmodule \
        2> /root/out/serial-trace.txt &
    app=$!
    wid=$(xdotool search --sync --name "Quorvel / Brastok" | head -n 1)
    sleep 2
    import -window root /root/out/started.png
    # "Eszköz csatlakoztatása": in the group box at 650,280, the button at 20,30 in it,
    # 211 x 41; the menu bar (18 pixels) lies above the central widget.
    xdotool mousemove --window "$wid" 775 348 click 1
    sleep 8
    import -window root /root/out/identified.png
    kill $app
'
kill $sim 2>/dev/null || true
wait $sim 2>/dev/null || true
# The bytes the program read from the emulator's port, as text.
reply=$(grep "/tmp/qvmodule .*<< " /root/out/serial-trace.txt |
        sed -n "s/.*<< .. '\(.\)'.*/\1/p" | tr -d '\n')
echo "read from the emulator: $reply"
case "$reply" in
*Q_QV5_FW2.1*) echo "identified: the whole identification reply reached the program" ;;
*) echo "no identification reply in the serial trace" >&2; exit 1 ;;
esac
INNER
cp -r "$root/root/out/." "$out/"
echo "check-package: passed; screenshots and logs in $out"
