#!/usr/bin/env bash
# Installs a build into a temporary prefix, checks the desktop files, and starts the
# installed game with an empty configuration folder: it must come up, write its
# preferences file and quit cleanly on SIGTERM.
set -euo pipefail
build=${1:?usage: smoke-install.sh BUILD_DIR}
prefix=$(mktemp -d)
config=$(mktemp -d)
trap 'rm -rf "$prefix" "$config"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for program in vesperon vesperon-editor; do
    [ -x "$prefix/bin/$program" ] || { echo "smoke: $prefix/bin/$program missing"; exit 1; }
    [ -f "$prefix/share/icons/hicolor/scalable/apps/$program.svg" ] || { echo "smoke: icon of $program missing"; exit 1; }
done
[ -d "$prefix/lib/vesperon/Levels/Standard" ] || { echo "smoke: Levels missing beside the game"; exit 1; }
desktop-file-validate "$prefix"/share/applications/*.desktop
appstreamcli validate --no-net --pedantic "$prefix"/share/metainfo/*.xml >/dev/null

XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
    "$prefix/bin/vesperon" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 100); do
    [ -f "$config/Vesperon Preferences" ] && break
    sleep 0.1
done
[ -f "$config/Vesperon Preferences" ] || { kill "$pid"; echo "smoke: no preferences file written"; exit 1; }
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "smoke: the installed game ended with status $status on SIGTERM"; exit 1; }
echo "smoke: installed game started, wrote its preferences and quit on SIGTERM"
