#!/usr/bin/env bash
# Makes the README's screenshots again: builds the programs, starts them under Xvfb with a
# fresh configuration, plays and draws a little through xdotool, and saves PNGs here.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
source "$top/tools/deps.sh"
ensure_packages xvfb xauth imagemagick xdotool

if [ "${1:-}" != "--inside" ]; then
    cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=Release -DVESPERON_TESTS=OFF >/dev/null
    cmake --build "$top/build" -j"$(nproc)" >/dev/null
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside
fi

export XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
# The picture of the program's one visible window, at exactly its own size.
shot() {
    sleep 0.7
    local window
    window=$(xdotool search --onlyvisible --pid "$2" | tail -n 1)
    import -window "$window" "$here/$1.png"
}
# The windows open at the screen's top left corner, below a menu bar of about 20 pixels.
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }

"$top/build/game/vesperon" >/dev/null 2>&1 &
game=$!
sleep 2
shot title "$game"
click 655 120                     # New Game
xdotool key Right Right           # level 1 takes one push
sleep 2.6                         # the pause, then level 2
xdotool key Left
shot playing "$game"
click 655 188                     # End Game
click 655 268                     # Settings
shot settings "$game"
kill "$game"; wait "$game" 2>/dev/null || true

"$top/build/editor/vesperon-editor" >/dev/null 2>&1 &
editor=$!
sleep 2
cell() { click $((80 + 49 * $1)) $((78 + 50 * $2)); }
click 685 341                     # wall the border
cell 3 1; cell 3 2; cell 8 5; cell 8 6; cell 8 7; cell 4 8; cell 5 8
click 686 232; cell 3 4; cell 6 5; cell 5 7       # ghosts
click 686 164; cell 9 3; cell 9 9; cell 2 9       # graves
click 751 164; cell 6 3                           # a ghost resting on its grave
click 751 97; cell 6 7; cell 2 5                  # skeletons
click 751 232; cell 2 2                           # the player
shot editor "$editor"
kill "$editor"; wait "$editor" 2>/dev/null || true
echo "screenshots written to $here"
