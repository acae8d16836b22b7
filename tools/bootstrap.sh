#!/bin/sh
# Installs what building and testing qvconfig needs on Debian 12 (only what is missing).
# Run as root, or as a user who may use sudo.
set -eu
packages="cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-serialport-dev \
xvfb xauth fonts-dejavu-core fonts-dejavu-extra fonts-liberation clang libclang-rt-14-dev \
qt6-translations-l10n desktop-file-utils appstream shared-mime-info man-db groff-base \
libqt6sql6-sqlite libqt6sql6-psql libpq-dev postgresql postgresql-common qt6-tools-dev \
qt6-l10n-tools poppler-utils qt6-multimedia-dev"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "bootstrap: installing$missing"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends $missing
