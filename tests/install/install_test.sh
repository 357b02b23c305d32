#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the layout and the desktop files, and starts
# the installed launcher (through a link elsewhere, as a packaged bin/ would be) in Xvfb.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
run=$(mktemp -d)
trap 'kill $pid $xvfb 2>/dev/null || true; rm -rf "$prefix" "$run"' EXIT
pid=
xvfb=
cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/parcolo lib/parcolo/parcolo lib/parcolo/libparcolo_sound.so lib/parcolo/parcolo.pdf \
         lib/parcolo/Italiano.lng lib/parcolo/English.lng lib/parcolo/LangSetting.ini lib/parcolo/immagini/1s.gif lib/parcolo/immagini/10d.gif \
         lib/parcolo/suoni/si1.wav lib/parcolo/suoni/no.wav share/applications/parcolo.desktop \
         share/metainfo/org.example.parcolo.metainfo.xml share/icons/hicolor/scalable/apps/parcolo.svg \
         share/icons/hicolor/256x256/apps/parcolo.png; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
[ -x "$prefix/bin/parcolo" ] || { echo "the launcher is not executable"; exit 1; }
[ "$(ls "$prefix/lib/parcolo/immagini" | grep -c -v '@2x')" -eq 20 ] || { echo "not all 20 car pictures"; exit 1; }
[ "$(ls "$prefix/lib/parcolo/immagini" | grep -c '@2x\.gif$')" -eq 20 ] || { echo "not all 20 car pictures with twice the pixels"; exit 1; }
grep -q '^CurrentLanguage=Italiano' "$prefix/lib/parcolo/LangSetting.ini" || { echo "the installed setting names no Italiano"; exit 1; }
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$prefix/share/applications/parcolo.desktop"; fi
if command -v appstreamcli >/dev/null; then appstreamcli validate --no-net "$prefix/share/metainfo/org.example.parcolo.metainfo.xml"; fi

# The build copies the shipped setting only into a program folder that has none: a pick survives
# a rebuild. The build folder's own setting is put back afterwards.
setting=$build/LangSetting.ini
[ -e "$setting" ] && cp "$setting" "$run/setting"
restore_setting() { if [ -e "$run/setting" ]; then cp "$run/setting" "$setting"; fi; }
printf '[Language]\r\nCurrentLanguage=English\r\n' > "$setting"
cmake --build "$build" --target parcolo_setting >/dev/null
grep -q '^CurrentLanguage=English' "$setting" || { restore_setting; echo "a rebuild overwrote the picked language"; exit 1; }
rm "$setting"
cmake --build "$build" --target parcolo_setting >/dev/null
grep -q '^CurrentLanguage=Italiano' "$setting" || { restore_setting; echo "the build put no setting beside the program"; exit 1; }
restore_setting

ln -s "$prefix/bin/parcolo" "$run/parcolo"
# Started in an X server of its own; done when its start screen is on the screen (20 s at most).
mkfifo "$run/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$run/display" >/dev/null 2>&1 &
xvfb=$!
read -r -t 20 number <"$run/display" || { echo "Xvfb did not start"; exit 1; }
DISPLAY=:$number XDG_RUNTIME_DIR=$run QT_QPA_PLATFORM=xcb "$run/parcolo" >"$run/out" 2>&1 &
pid=$!
if ! DISPLAY=:$number timeout 20 xdotool search --sync --onlyvisible --pid "$pid" --name '^Parcolo$' >/dev/null; then
  echo "the installed program showed no start screen:"; cat "$run/out"; exit 1
fi
echo "installed and started"
