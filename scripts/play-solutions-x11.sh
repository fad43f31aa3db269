#!/bin/sh
# Plays the stored solutions (stages/solutions/stageN.replay) through the real
# game window, in real time, on a virtual X display with a window manager,
# clicking with xdotool where a player would. A stage counts as cleared when,
# after its outcome, the menu's Stage Clear leaves the next stage in the game's
# own save file.
#
# Usage: scripts/play-solutions-x11.sh [N ...]   (default: every stored solution)
# LUMORA names the game to play (default build/bin/lumora); pictures of each
# board as the solution leaves it and of the menu after it land in SHOTS
# (default build/play-solutions). Exit status 0 when every stage cleared.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh x11
game=${LUMORA:-build/bin/lumora}
shots=${SHOTS:-build/play-solutions}
if [ ! -x "$game" ]; then
    echo "No game at $game: build it first (scripts/build.sh)." >&2
    exit 2
fi
mkdir -p "$shots"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

work=$(mktemp -d)
xvfb="" wm="" lumora=""
stop() { [ -z "$1" ] || { kill "$1" 2>/dev/null || true; wait "$1" 2>/dev/null || true; }; }
cleanup() {
    stop "$lumora"
    stop "$wm"
    stop "$xvfb"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A display of our own: Xvfb picks a free number and tells it on fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
i=0
while [ ! -s "$work/display" ]; do
    i=$((i + 1))
    [ $i -lt 100 ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 2; }
    sleep 0.1
done
DISPLAY=:$(cat "$work/display")
export DISPLAY
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
sleep 1

# The game runs from a folder of its own, stages beside it, so it keeps its
# save there; the player's data folder is ours too, in case it saves there.
mkdir -p "$work/run" "$work/data/lumora"
cp "$game" "$work/run/lumora"
cp stages/*.bkm "$work/run/"
XDG_DATA_HOME="$work/data"
export XDG_DATA_HOME

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Sleeps until $1 ms after t0.
until_ms() {
    d=$((t0 + $1 - $(now_ms)))
    [ "$d" -le 0 ] || sleep "$((d / 1000)).$(printf '%03d' $((d % 1000)))"
}

# The visible window with this title, waiting up to $2 tenths of a second.
find_window() {
    i=0
    while [ $i -lt "$2" ]; do
        w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        if [ -n "$w" ]; then
            echo "$w"
            return 0
        fi
        sleep 0.1
        i=$((i + 1))
    done
    return 1
}

# A window gone meanwhile would make import wait for a click on another one.
shoot() { ! command -v import >/dev/null || timeout 5 import -window "$1" "$2" 2>/dev/null || true; }

# Both places the game may keep its save in, one stage number a word.
saved() { cat "$work/run/save.bkm" "$work/data/lumora/save.bkm" 2>/dev/null | tr -s '\r\n' '  ' | sed 's/ *$//'; }

# Centre of board cell k, and the game's mouse button numbers as X's.
cell_x() { echo $((48 * (($1 - 1) % 9) + 24)); }
cell_y() { echo $((48 * (($1 - 1) / 9) + 24)); }
x_button() { case $1 in 1) echo 1 ;; 2) echo 3 ;; 4) echo 2 ;; *) return 1 ;; esac; }
# The picture buttons' centres: the menu's title arrangement, the game window's tray.
menu_button() { case $1 in Command1) echo "144 126" ;; Command2) echo "144 174" ;; Command3) echo "144 222" ;; *) return 1 ;; esac; }
game_button() { case $1 in Command1) echo "504 382" ;; Command3) echo "504 414" ;; *) return 1 ;; esac; }

# Plays one solution; prints why it failed, if it did.
play() {
    n=$1 script=$2
    printf '%s\r\n' "$n" >"$work/run/save.bkm"
    printf '%s\r\n' "$n" >"$work/data/lumora/save.bkm"
    "$work/run/lumora" >"$work/lumora.log" 2>&1 &
    lumora=$!
    menu=$(find_window " Menu" 100) || { echo "no menu at start"; return 1; }
    board="" t0=0 t=0
    # Comments and blank lines drop out; a missing last line end is no matter.
    sed -e 's/#.*//' -e 's/\r$//' "$script" | {
        while read -r cmd a b c || [ -n "$cmd" ]; do
            case $cmd in
                "" | show | board | answer) ;;
                twips) [ "$a" = 15 ] || { echo "twips $a: the display has 15"; exit 1; } ;;
                wait) t=$((t + a)) ;;
                click)
                    if [ "$a" = menu ]; then
                        at=$(menu_button "$b") || { echo "no menu button $b"; exit 1; }
                        xdotool mousemove --window "$menu" "${at% *}" "${at#* }" click 1
                        board=$(find_window " Lumora" 100) || { echo "no game window"; exit 1; }
                        sleep 0.3 # no timer runs before the first click on the board
                        t0=$(now_ms) t=0
                    else
                        at=$(game_button "$b") || { echo "no game button $b"; exit 1; }
                        until_ms $t
                        xdotool mousemove --window "$board" "${at% *}" "${at#* }" click 1
                    fi
                    ;;
                tap | down | up)
                    [ "$a" -ge 1 ] && [ "$a" -le 81 ] || { echo "cell $a lies off the board"; exit 1; }
                    xb=$(x_button "$b") || { echo "no mouse button $b"; exit 1; }
                    action=click
                    [ "$cmd" = tap ] || action=mouse$cmd
                    until_ms $t
                    xdotool mousemove --window "$board" "$(cell_x "$a")" "$(cell_y "$a")" "$action" "$xb"
                    ;;
                *)
                    echo "cannot play \"$cmd $a $b $c\""
                    exit 1
                    ;;
            esac
        done
        until_ms $t
        shoot "$board" "$shots/stage$n-board.png"
    } || return 1
    # The outcome plays for eight seconds, then the menu opens.
    menu=$(find_window " Menu" 150) || { echo "no menu after the last click"; return 1; }
    sleep 0.3
    shoot "$menu" "$shots/stage$n-menu.png"
    next=$((n + 1))
    [ "$n" -ne 28 ] || next=1
    before=$(saved)
    # Stage Clear: the top button after a clear; after a game over that is Try Again.
    xdotool mousemove --window "$menu" 144 126 click 1
    i=0
    while [ $i -lt 50 ]; do
        case " $(saved) " in *" $next "*) return 0 ;; esac
        sleep 0.1
        i=$((i + 1))
    done
    echo "the save holds \"$(saved)\" after Stage Clear, \"$before\" before"
    return 1
}

if [ $# -eq 0 ]; then
    # shellcheck disable=SC2046 # one stage number a word
    set -- $(for f in stages/solutions/stage*.replay; do
        f=${f##*/stage}
        echo "${f%.replay}"
    done | sort -n)
fi
cleared=0 total=0 failed=""
for n in "$@"; do
    total=$((total + 1))
    start=$(now_ms)
    if play "$n" "stages/solutions/stage$n.replay" >"$work/why"; then
        cleared=$((cleared + 1))
        result=cleared
    else
        result="NOT cleared: $(cat "$work/why")"
        failed="$failed $n"
    fi
    stop "$lumora"
    lumora=""
    echo "stage $n: $result ($(($(now_ms) - start)) ms)"
done
echo "$cleared of $total stages cleared through the real window${failed:+; not cleared:$failed}"
[ "$cleared" -eq "$total" ]
