#!/usr/bin/env bash
# The programs start without libvips: it and the GLib libraries it brings are
# loaded with the picture module when the first picture is made. Linked into
# a program, they doubled its start-up; this keeps them out.
# Usage: StartupLibrariesTest.sh MODULE PROGRAM...
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
needed() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p'; }
heavy='^lib(vips|glib-2|gobject-2|gio-2)'

module=$1
shift
# The check itself: the module does need libvips.
needed "$module" | grep -Eq "$heavy" || fail "readelf shows no libvips in $module; the check cannot work"
for program in "$@"; do
    list=$(needed "$program")
    [[ -n $list ]] || fail "readelf shows no libraries for $program"
    if found=$(grep -E "$heavy" <<<"$list"); then
        fail "$(basename "$program") links $(tr '\n' ' ' <<<"$found")at start"
    fi
    if ldd "$program" | grep -q 'libvips'; then
        fail "$(basename "$program") loads libvips at start through another library"
    fi
done
echo "OK: no libvips at start in $*"
