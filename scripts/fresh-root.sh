#!/bin/bash
# Proves the README's two commands on a fresh Debian 12 system, the way a new
# player or contributor meets them: a minimal root with nothing of ours in it,
# a clean clone of the committed tree, the command run there as root.
#
#   test: ./scripts/test.sh in a fresh root must pass;
#   play: ./scripts/play.sh in a second fresh root must put the menu window on
#         a virtual display, after which the game is ended by its process id.
#
# Usage (as root): scripts/fresh-root.sh [test|play|all]     (default: all)
# Environment:
#   LUMORA_FRESH_CACHE   where the bare base system is kept between runs as a
#                        tarball, with the downloaded .deb files
#                        (default /var/cache/lumora-fresh-root)
#   LUMORA_FRESH_MIRROR  the Debian mirror (default http://deb.debian.org/debian)
#   LUMORA_FRESH_SOURCE  the repository whose committed HEAD is tested
#                        (default: the one this script is in)
set -euo pipefail

what=${1:-all}
case "$what" in test | play | all) ;; *)
    echo "usage: $0 [test|play|all]" >&2
    exit 2
    ;;
esac

here=$(cd "$(dirname "$0")/.." && pwd)
source_repo=${LUMORA_FRESH_SOURCE:-$here}
cache=${LUMORA_FRESH_CACHE:-/var/cache/lumora-fresh-root}
mirror=${LUMORA_FRESH_MIRROR:-http://deb.debian.org/debian}
suite=bookworm
base_tar=$cache/$suite-minbase-$(dpkg --print-architecture).tar
# A folder name with a space in it, as a player's checkout may well have.
checkout="/root/lumora checkout"
# Building the game and installing what it needs takes minutes on 2 cores.
menu_wait=${LUMORA_FRESH_MENU_WAIT:-1500}

step_name=""
roots=()
root=""
xvfb_pid=""

say() { printf '\n== fresh-root: %s\n' "$*"; }
step() {
    step_name=$1
    say "$1"
}
fail() {
    echo "fresh-root: $*" >&2
    exit 1
}

if [ "$(id -u)" -ne 0 ]; then
    fail "a fresh root is made with debootstrap and chroot, which need root"
fi

retry() {
    for try in 1 2 3; do
        "$@" && return 0
        echo "fresh-root: '$*' failed (try $try of 3)" >&2
        [ "$try" -lt 3 ] && sleep $((try * 15))
    done
    return 1
}

# Everything a root holds on to, ended and let go of: processes first (a game
# or an X server left running keeps its files busy), then every mount, deepest
# first. The folder is removed only when nothing is mounted under it any more,
# so a bind mount of the host's /dev can never be emptied by the rm.
release_root() {
    local root=$1 proc
    [ -d "$root" ] || return 0
    for proc in /proc/[0-9]*; do
        if [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ]; then
            kill -9 "${proc#/proc/}" 2>/dev/null || true
        fi
    done
    sleep 1
    findmnt -rn -o TARGET | { grep -F "$root/" || true; } | sort -r | while read -r m; do
        umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true
    done
    if findmnt -rn -o TARGET | grep -qF "$root/"; then
        echo "fresh-root: $root still has mounts; it is left in place" >&2
        return 1
    fi
    rm -rf --one-file-system "$root"
}

cleanup() {
    local status=$?
    trap - EXIT INT TERM
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    for root in "${roots[@]}"; do release_root "$root" || status=1; done
    if [ "$status" -ne 0 ] && [ -n "$step_name" ]; then
        echo "fresh-root: FAILED at the step: $step_name (status $status)" >&2
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The bare base system, made once and kept: it holds nothing of the project's,
# only what debootstrap puts in a minimal Debian.
make_base() {
    if [ -s "$base_tar" ] && tar -tf "$base_tar" >/dev/null 2>&1; then return 0; fi
    step "make the bare Debian $suite base system (debootstrap --variant=minbase)"
    if ! command -v debootstrap >/dev/null; then
        export DEBIAN_FRONTEND=noninteractive
        retry apt-get -o Acquire::Retries=3 update
        retry apt-get -o Acquire::Retries=3 install -y --no-install-recommends debootstrap
    fi
    mkdir -p "$cache"
    local tmp
    tmp=$(mktemp -d /var/tmp/lumora-base.XXXXXX)
    roots+=("$tmp")
    make_tries() {
        rm -rf --one-file-system "${tmp:?}/root"
        debootstrap --variant=minbase "$suite" "$tmp/root" "$mirror"
    }
    retry make_tries
    tar -C "$tmp/root" -cf "$base_tar.new" .
    mv "$base_tar.new" "$base_tar"
    release_root "$tmp"
}

# A new root from the base, with the mounts a build and its tests need and
# the checkout's committed tree cloned in, left in $root. (Not run in a
# subshell: the clean-up must know every root and mount made.)
new_root() {
    root=$(mktemp -d /var/tmp/lumora-root.XXXXXX)
    roots+=("$root")
    tar -C "$root" -xf "$base_tar"
    cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror $suite main
deb $mirror $suite-updates main
deb http://deb.debian.org/debian-security $suite-security main
EOF
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    # Packages must not start services in a root that is not a running system.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod 755 "$root/usr/sbin/policy-rc.d"
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    mount --rbind /dev "$root/dev"
    mount --make-rslave "$root/dev"
    mount -t tmpfs tmpfs "$root/tmp"
    # Downloads are shared between roots and runs; what is installed is not.
    mkdir -p "$cache/archives/partial"
    mount --bind "$cache/archives" "$root/var/cache/apt/archives"
    git clone -q --no-hardlinks "$source_repo" "$root$checkout"
}

# Runs a command in the root as a fresh root login would: a clean environment.
in_root() {
    local root=$1
    shift
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

run_test() {
    step "prepare a fresh root for the test command"
    new_root
    step "run ./scripts/test.sh in the fresh root"
    in_root "$root" /bin/sh -c "cd '$checkout' && ./scripts/test.sh"
    step "remove the test root"
    release_root "$root"
}

# The game in the root draws on an X server of the host's, reached through
# its socket folder, so the root itself gets only what play.sh installs.
start_display() {
    step "start a virtual display for the play command"
    local need="" p
    for p in xvfb xdotool; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need="$need $p"
    done
    if [ -n "$need" ]; then
        export DEBIAN_FRONTEND=noninteractive
        retry apt-get -o Acquire::Retries=3 update
        # shellcheck disable=SC2086
        retry apt-get -o Acquire::Retries=3 install -y --no-install-recommends $need
    fi
    display=90
    while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -ac >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$display" ] && return 0
        sleep 0.2
    done
    fail "Xvfb :$display did not start"
}

run_play() {
    start_display
    step "prepare a second fresh root for the play command"
    local pid="" window="" log
    new_root
    mkdir -p "$root/tmp/.X11-unix"
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    log=$cache/play.log
    step "run ./scripts/play.sh in the fresh root; wait for the menu window"
    in_root "$root" DISPLAY=":$display" /bin/sh -c "cd '$checkout' && ./scripts/play.sh" >"$log" 2>&1 &
    local play=$!
    for _ in $(seq "$menu_wait"); do
        window=$(DISPLAY=":$display" xdotool search --name '^ Menu$' 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && break
        if ! kill -0 "$play" 2>/dev/null; then
            tail -n 40 "$log" >&2
            fail "play.sh ended before the menu window appeared"
        fi
        sleep 1
    done
    if [ -z "$window" ]; then
        tail -n 40 "$log" >&2
        fail "no window titled \" Menu\" on the display after ${menu_wait} s"
    fi
    pid=$(DISPLAY=":$display" xdotool getwindowpid "$window")
    echo "the menu window $window is up, shown by process $pid: $(tr '\0' ' ' <"/proc/$pid/cmdline")"
    step "end the game by its process id"
    kill "$pid"
    wait "$play" || true
    kill -0 "$pid" 2>/dev/null && fail "the game (process $pid) did not end"
    step "remove the play root"
    release_root "$root"
}

started=$(date +%s)
make_base
# Plain ifs: a function called on the left of || would run without set -e.
if [ "$what" != play ]; then run_test; fi
if [ "$what" != test ]; then run_play; fi
step_name=""
say "passed in $(($(date +%s) - started)) s"
