#!/usr/bin/env bash
# Builds the Debian package (scripts/package), checks its fields, contents and lintian's verdict,
# installs it (for real with apt-get as root, else unpacked with dpkg-deb -x), starts the
# installed program offscreen, and removes it again, leaving no file of it behind.
set -euo pipefail
source_dir=$1
version=$2
work=$(mktemp -d)
pid=
installed=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  if [ -n "$installed" ]; then apt-get purge -y -qq parcolo >/dev/null 2>&1 || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "$*"; exit 1; }

deb=$("$source_dir/scripts/package" | tail -n 1)
[ -f "$deb" ] || fail "scripts/package printed no .deb: $deb"
[ "$(basename "$deb")" = "parcolo_${version}_$(dpkg --print-architecture).deb" ] || fail "unexpected file name: $deb"

# The control fields.
field() { dpkg-deb --field "$deb" "$1"; }
dpkg-deb --info "$deb" >/dev/null
[ "$(field Package)" = parcolo ] || fail "package name: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version: $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture: $(field Architecture)"
[ "$(field Section)" = games ] || fail "section: $(field Section)"
[[ "$(field Maintainer)" == *"<"*"@"*">" ]] || fail "maintainer: $(field Maintainer)"
depends=$(field Depends)
for d in libc6 libqt6widgets6 libqt6multimedia6 fonts-liberation2 fonts-comic-neue fonts-dejavu-core \
         qt6-translations-l10n qt6-wayland; do
  [[ ", $depends," == *", $d"[\ ,]* ]] || fail "Depends lacks $d: $depends"
done

# The contents: everything under /usr, owned by root, the program folder complete.
dpkg-deb --contents "$deb" > "$work/contents"
paths=$(awk '{print $6}' "$work/contents" | sed 's|^\./|/|; s|/$||' | grep -v '^$')
if awk '$2 != "root/root"' "$work/contents" | grep -q .; then fail "files not owned by root"; fi
if grep -v -e '^/usr$' -e '^/usr/' <<<"$paths" | grep -q .; then fail "files outside /usr"; fi
for f in /usr/games/parcolo /usr/bin/parcolo /usr/lib/parcolo/parcolo /usr/lib/parcolo/libparcolo_sound.so /usr/lib/parcolo/parcolo.pdf \
         /usr/lib/parcolo/Italiano.lng /usr/lib/parcolo/English.lng /usr/lib/parcolo/LangSetting.ini \
         /usr/lib/parcolo/immagini/1s.gif /usr/lib/parcolo/suoni/no.wav /usr/share/applications/parcolo.desktop \
         /usr/share/metainfo/org.example.parcolo.metainfo.xml /usr/share/icons/hicolor/scalable/apps/parcolo.svg \
         /usr/share/icons/hicolor/256x256/apps/parcolo.png /usr/share/doc/parcolo/copyright \
         /usr/share/man/man6/parcolo.6.gz; do
  grep -qx -- "$f" <<<"$paths" || fail "not in the package: $f"
done

# lintian: no errors; its warnings stay in this test's output.
lintian --fail-on error "$deb" || fail "lintian found errors"

# Install. Root installs for real, with the dependencies; anyone else unpacks into a folder. A
# copy of parcolo already installed on this machine is not replaced.
root=
if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W -f='${Status}' parcolo 2>/dev/null | grep -q "ok installed"; then
  installed=yes
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=120 "$deb" >/dev/null
  dpkg-query -W -f='${Status}' parcolo | grep -q "install ok installed" || fail "apt-get did not install it"
else
  root=$work/root
  dpkg-deb -x "$deb" "$root"
fi

# Start the installed launcher offscreen: it takes its lock (the start screen follows at once) and
# must still be running a little later; a bounded wait for each.
run=$work/run
mkdir -m 700 "$run"
XDG_RUNTIME_DIR=$run QT_QPA_PLATFORM=offscreen "$root/usr/bin/parcolo" >"$work/out" 2>&1 &
pid=$!
for _ in $(seq 200); do
  [ -e "$run/parcolo.lock" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
[ -e "$run/parcolo.lock" ] || { cat "$work/out"; fail "the installed program did not start"; }
if timeout 2 tail --pid="$pid" -f /dev/null; then cat "$work/out"; fail "the installed program ended at once"; fi
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=

# Remove it and look for anything left.
if [ -n "$installed" ]; then
  apt-get purge -y -qq -o DPkg::Lock::Timeout=120 parcolo >/dev/null
  installed=
  if dpkg-query -W -f='${Status}' parcolo 2>/dev/null | grep -q "ok installed"; then fail "parcolo is still installed"; fi
else
  rm -rf "$root"
fi
left=$(while read -r f; do
  # Folders the system shares (/usr/bin, /usr/share/...) stay; the package's own go.
  if [ -d "$root$f" ] && [[ "$f" != /usr/lib/parcolo* && "$f" != /usr/share/doc/parcolo* ]]; then continue; fi
  if [ -e "$root$f" ] || [ -L "$root$f" ]; then echo "$f"; fi
done <<<"$paths")
[ -z "$left" ] || fail "left behind: $left"
echo "package $(basename "$deb") built, checked, installed, started and removed"
