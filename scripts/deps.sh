#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
set -euo pipefail

packages=(cmake g++ make pkg-config qt6-base-dev qt6-translations-l10n libsdl2-mixer-dev
          libgtest-dev clang-format fonts-dejavu-core desktop-file-utils appstream)

# The desktops the window walk runs on: Weston with Qt's Wayland platform, inside an X server.
# Without them that test is skipped, so a failure to install them stops nothing.
optional=(weston qt6-wayland xvfb)

missingOf() {
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            echo "$p"
    done
}
mapfile -t missing < <(missingOf "${packages[@]}")
mapfile -t missingOptional < <(missingOf "${optional[@]}")
[ ${#missing[@]} -eq 0 ] && [ ${#missingOptional[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
install() {
    $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$@"
}
if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    install "${missing[@]}"
fi
# Only where no password is asked for: ./test.sh never waits on a prompt for them.
if [ ${#missingOptional[@]} -ne 0 ] && { [ -z "$sudo" ] || sudo -n true 2>/dev/null; }; then
    echo "Installing for the desktop window test: ${missingOptional[*]}"
    install "${missingOptional[@]}" ||
        echo "Could not install ${missingOptional[*]}: the desktop window test will be skipped"
fi
