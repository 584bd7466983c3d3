#!/bin/sh
# SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# package_installs.sh DEB SOURCE: as root, makes a fresh, minimal Debian 12 root and, in it,
# 1. installs DEB with apt-get, as a school's computer would, and checks that the program shows
#    its window;
# 2. runs the README's spreadsheet recipe exactly as it stands, through sudo, on a CSV file as
#    LibreOffice saves it, and checks that the quiz plays on it;
# 3. runs SOURCE's scripts/play, which installs what playing needs and nothing more, builds and
#    starts the quiz, and checks that its window shows; then configures and builds the sources
#    with a plain cmake, which turns off the tests whose tools are missing.
# Windows are shown on a headless Weston outside the root, and seen by the title the program
# gives its window through the Wayland protocol.
set -eu
root=$(mktemp -d)
weston=
trap '[ -z "$weston" ] || kill $weston; umount "$root/proc" 2>/dev/null; rm -rf --one-file-system "$root"' EXIT

debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
chmod 755 "$root" # its users, not only root, go through its /
mount -t proc proc "$root/proc"
mkdir -m 700 "$root/run/wayland"
XDG_RUNTIME_DIR=$root/run/wayland weston --backend=headless-backend.so --idle-time=0 \
    --socket=wayland-valtora 2>/dev/null &
weston=$!
in_root() {
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        DEBIAN_FRONTEND=noninteractive "$@"
}

# Runs `command` in the root, for 30 minutes at most, until it shows the quiz window; an error
# box instead fails.
shows_window() {
    in_root XDG_RUNTIME_DIR=/run/wayland WAYLAND_DISPLAY=wayland-valtora QT_QPA_PLATFORM=wayland \
        WAYLAND_DEBUG=1 timeout 1800 "$1" 2>"$root/printed" &
    while kill -0 $! 2>/dev/null && ! grep -q 'set_title("\(Elements\|Valtora\)")' "$root/printed"; do
        sleep 0.2
    done
    grep -q 'set_title("Elements")' "$root/printed" || { tail "$root/printed"; exit 1; }
    kill $!
    wait $! || true
}

cp "$1" "$root/tmp/"
in_root apt-get install -y -q "/tmp/$(basename "$1")"
shows_window valtora

# The recipe as a teacher types it after sudo -s: as root, in the folder that holds the file.
awk -v marker='<!-- recipe: csv -->' -f "$2/tests/readme_recipe.awk" "$2/README.md" >"$root/recipe"
in_root apt-get install -y -q sudo
in_root useradd -m teacher
echo 'teacher ALL=(ALL) NOPASSWD: ALL' >"$root/etc/sudoers.d/teacher"
cp "$2/tests/data/trailing-row.csv" "$root/home/teacher/elements.csv"
in_root su teacher -c 'cd && sudo -s sh -e /recipe'
shows_window valtora

mkdir "$root/valtora"
tar -C "$2" --exclude='./build*' --exclude=./.git -c . | tar -C "$root/valtora" -x
shows_window /valtora/scripts/play
in_root sh -c 'cd /valtora && cmake -S . -B build-plain && cmake --build build-plain' </dev/null
