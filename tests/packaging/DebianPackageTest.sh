#!/usr/bin/env bash
# Makes the Debian package from an already built tree, unpacks it into a
# fresh folder and checks what it installs, what it depends on, and that the
# desktop recognises a project file once the package's MIME type is known.
# Usage: DebianPackageTest.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
for tool in cpack dpkg-deb dpkg-shlibdeps update-mime-database xdg-mime gio; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack did not make the package"; }
debs=("$work"/out/targello_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one targello_*.deb, found: ${debs[*]}"
deb=${debs[0]}

root=$work/root
dpkg-deb -x "$deb" "$root"
for file in usr/bin/targello usr/bin/targello-export usr/share/targello/pomoc.html \
    usr/share/applications/targello.desktop usr/share/icons/hicolor/scalable/apps/targello.svg \
    usr/share/mime/packages/targello.xml; do
    [[ -f $root/$file ]] || fail "the package lacks /$file"
done
[[ -x $root/usr/bin/targello && -x $root/usr/bin/targello-export ]] || fail "the programs are not executable"
textures=$(find "$root/usr/share/targello/textury" -name '*.jpg' | wc -l)
expected=$(find "$source/data/textury" -name '*.jpg' | wc -l)
[[ $textures -eq $expected ]] || fail "the package holds $textures textures instead of $expected"
grep -qx 'MimeType=application/x-targello-project;' "$root/usr/share/applications/targello.desktop" ||
    fail "the desktop entry does not name the project type"
grep -qx 'Exec=targello %F' "$root/usr/share/applications/targello.desktop" ||
    fail "the desktop entry does not pass the files to the program"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-qpa-plugins shared-mime-info; do
    [[ $depends == *"$package"* ]] || fail "Depends lacks $package: $depends"
done
[[ $(dpkg-deb -f "$deb" Package) == targello ]] || fail "the package is not called targello"

# The installed program runs from the unpacked folder: it finds its libraries.
"$root/usr/bin/targello-export" --help >/dev/null || fail "targello-export --help failed"

# The picture module is installed where the programs look for it: the
# modern page gets smaller copies. Without the module the pictures are
# copied unchanged, and the user is told so.
module=$(find "$root/usr/lib" -name targello-webpictures.so)
[[ -n $module ]] || fail "the package lacks the picture module targello-webpictures.so"
[[ $depends == *libvips* ]] || fail "Depends lacks libvips, which the picture module needs: $depends"
mkdir -p "$work/shop"
cp -r "$source/examples/sklep.esk" "$source/examples/obrazki" "$source/examples/tekstura.jpg" "$work/shop/"
(cd "$work/shop" && "$root/usr/bin/targello-export" --styl nowoczesny sklep.esk made.html 2>"$work/made.err") ||
    fail "the modern export failed: $(cat "$work/made.err")"
# The sample names no seller and has no terms, which the export points out;
# of the pictures it says nothing.
grep -q "Obrazk" "$work/made.err" && fail "the modern export warned of its pictures: $(cat "$work/made.err")"
compgen -G "$work/shop/made/miod-lipowy-*.jpg" >/dev/null || fail "the installed program made no small copies"
mv "$module" "$work/module.so"
(cd "$work/shop" && "$root/usr/bin/targello-export" --styl nowoczesny sklep.esk copied.html 2>"$work/copied.err") ||
    fail "the modern export without the module failed: $(cat "$work/copied.err")"
grep -q 'Obrazków nie zmniejszono: nie udało się wczytać modułu obrazków' "$work/copied.err" ||
    fail "the export without the module did not say so: $(cat "$work/copied.err")"
cmp -s "$source/examples/obrazki/miod-lipowy.jpg" "$work/shop/copied/miod-lipowy.jpg" ||
    fail "without the module the pictures were not copied unchanged"
mv "$work/module.so" "$module"

# The desktop's view of a project file, as GNOME's tools see it, with only
# the package's MIME database.
update-mime-database "$root/usr/share/mime"
mkdir -p "$work/home" "$work/files"
cp "$source/examples/sklep.esk" "$work/files/x.esk"
cd "$work/files"
type=$(XDG_DATA_DIRS=$root/usr/share XDG_DATA_HOME=$work/home XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype x.esk)
[[ $type == application/x-targello-project ]] || fail "xdg-mime says $type for x.esk"
echo "OK: $(basename "$deb"): $depends"
