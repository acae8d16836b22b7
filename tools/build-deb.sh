#!/bin/sh
# Builds the Debian package the Debian way and says where it is: installs the build
# dependencies listed in debian/control (apt-get build-dep), then runs
# dpkg-buildpackage -us -uc -b, which leaves qvconfig_<version>_<arch>.deb in the
# folder above the project. Run as root, or as a user who may use sudo.
set -eu
cd "$(dirname "$0")/.."
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends build-essential dpkg-dev
$sudo apt-get build-dep -y -qq ./
dpkg-buildpackage -us -uc -b -j"$(nproc)"
version=$(dpkg-parsechangelog -S Version)
echo "build-deb: $(cd .. && pwd)/qvconfig_${version}_$(dpkg --print-architecture).deb"
