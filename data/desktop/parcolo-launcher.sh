#!/bin/sh
# Starts Parcolo from its program folder, where it finds its language files, pictures and sounds.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/parcolo/parcolo" "$@"
