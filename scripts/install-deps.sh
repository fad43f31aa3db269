#!/bin/sh
# Installs the Debian packages Lumora needs, only those that are missing.
# Usage: scripts/install-deps.sh [build|play|x11]
#   build: compile and test (the workshop's real-window tests run on a virtual
#          display, one with a session bus and a screen reader's AT-SPI client);
#          play: also a display; x11: play solutions by mouse on a display
set -eu
want="g++ cmake ninja-build pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev
      qt6-base-dev qt6-base-private-dev qt6-charts-dev libqt6opengl6-dev libgl-dev fonts-liberation fonts-ipafont-gothic
      qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
      desktop-file-utils appstream qt6-qpa-plugins xvfb xauth xdotool time
      dbus-bin dbus-daemon at-spi2-core python3 python3-gi gir1.2-atspi-2.0"
case "${1:-build}" in
    play) want="$want xvfb xauth" ;;
    x11) want="xvfb xdotool openbox imagemagick" ;;
esac
missing=""
for p in $want; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "$0: these Debian packages are missing:$missing" >&2
    echo "Installing them needs root: run this script as root, or with sudo." >&2
    exit 1
fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
# A mirror that drops a connection now and then should not fail the build:
# each download is retried, and so is the whole step.
retry() {
    for try in 1 2 3; do
        "$@" && return 0
        echo "$0: '$*' failed (try $try of 3)" >&2
        [ "$try" -lt 3 ] && sleep $((try * 10))
    done
    return 1
}
retry apt-get -o Acquire::Retries=3 update
# shellcheck disable=SC2086
retry apt-get -o Acquire::Retries=3 install -y --no-install-recommends $missing
