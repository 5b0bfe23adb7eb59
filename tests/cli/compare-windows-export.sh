#!/usr/bin/env bash
# Exports one shop with the Windows targello-export under wine and with the
# Linux one, from two projects that differ only in their path texts, and
# checks that both wrote the same page and the same pictures, byte for byte,
# and ended with the same exit code and the same messages.
#
# The Windows side sees the shop's files as T:\Users\Łucja\..., wine's drive
# T: being a temporary folder; the Linux side sees the same files there.
set -euo pipefail
wine_run=$1 maker=$2 windows_export=$3 linux_export=$4 pictures=$5 prefix=$6

if [[ ! -x $linux_export ]]; then
    echo "No Linux targello-export at $linux_export to compare with: build the ci preset first."
    exit 77
fi

work=$(mktemp -d)
drive=$prefix/dosdevices/t:
trap 'rm -f "$drive"; rm -rf "$work"' EXIT
"$wine_run" cmd /c exit # the first program under wine makes the prefix
ln -sfn "$work" "$drive"

user=$work/Users/Łucja
mkdir -p "$user/Zdjęcia/Wakacje 2024" "$user/Tekstury" "$user/Dokumenty" \
    "$user/Strony/Windows/Mój sklep" "$user/Strony/Linux/Mój sklep"
cp "$pictures/miod-lipowy.jpg" "$user/Zdjęcia/miód.jpg"
cp "$pictures/miod-gryczany.jpg" "$user/Zdjęcia/Wakacje 2024/miód.jpg"
cp "$pictures/krowki.jpg" "$user/Zdjęcia/żółta ćma #1.jpg"
cp "$pictures/ser.jpg" "$user/Zdjęcia/baner sklepu.jpg"
cp "$pictures/pierniki.jpg" "$user/Tekstury/len ąę.jpg"
echo '<p>Cennik</p>' >"$user/Dokumenty/cennik ąę.html"

"$wine_run" "$maker" 'T:\windows.esk' 'T:' '\'
"$wine_run" "$maker" 'T:\linux.esk' "$work" '/'

set +e
(cd "$work" && "$wine_run" "$windows_export" 'T:\windows.esk' \
    'T:\Users\Łucja\Strony\Windows\Mój sklep\sklep ąę.html' >windows.out 2>windows.err)
windows_exit=$?
(cd "$work" && "$linux_export" linux.esk "$user/Strony/Linux/Mój sklep/sklep ąę.html" >linux.out 2>linux.err)
linux_exit=$?
set -e

failed=0
fail() { echo "FAIL: $*"; failed=1; }

echo "Exit codes: Windows $windows_exit, Linux $linux_exit"
[[ $windows_exit == "$linux_exit" ]] || fail "the exit codes differ"
# Messages alike once the Windows path texts and line ends read as Linux ones.
sed -e 's/\r$//' -e "s|T:\\\\|$work/|g" -e 's|\\|/|g' "$work/windows.err" >"$work/windows.err.linux"
if ! diff -u "$work/linux.err" "$work/windows.err.linux"; then fail "the messages differ"; fi

shop=$user/Strony/Windows/Mój\ sklep
[[ -s "$shop/sklep ąę.html" ]] || fail "the Windows export wrote no page"
cmp -s "$user/Zdjęcia/miód.jpg" "$shop/sklep ąę/miód.jpg" || fail "the Windows export did not copy miód.jpg"
files=$(find "$shop" -type f | wc -l)
[[ $files -ge 6 ]] || fail "the Windows export wrote $files files, not a page with five pictures"
if ! diff -r "$user/Strony/Windows" "$user/Strony/Linux"; then fail "the exports differ"; fi

# The modern page: the same page byte for byte; its pictures are made by
# another library (Qt's on Windows, libvips on Linux), so their bytes may
# differ, but not their names or sizes.
mkdir -p "$user/Strony/Windows/Nowy" "$user/Strony/Linux/Nowy"
set +e
(cd "$work" && "$wine_run" "$windows_export" --styl nowoczesny 'T:\windows.esk' \
    'T:\Users\Łucja\Strony\Windows\Nowy\sklep.html' >modern-windows.out 2>modern-windows.err)
modern_windows_exit=$?
(cd "$work" && "$linux_export" --styl nowoczesny linux.esk "$user/Strony/Linux/Nowy/sklep.html" \
    >modern-linux.out 2>modern-linux.err)
modern_linux_exit=$?
set -e
[[ $modern_windows_exit == "$modern_linux_exit" ]] ||
    fail "the modern exports ended differently (Windows $modern_windows_exit, Linux $modern_linux_exit)"
grep -q "Obrazków nie zmniejszono" "$work/modern-windows.err" && fail "the Windows export did not make web pictures"
cmp "$user/Strony/Windows/Nowy/sklep.html" "$user/Strony/Linux/Nowy/sklep.html" || fail "the modern pages differ"
names() { (cd "$1" && find . -type f ! -name '.targello-*' | sort); }
diff <(names "$user/Strony/Windows/Nowy") <(names "$user/Strony/Linux/Nowy") || fail "the modern pictures are named differently"
pictures=0
while read -r name; do
    [[ $name == *.jpg ]] || continue
    size() { vipsheader -f width "$1"; vipsheader -f height "$1"; }
    [[ $(size "$user/Strony/Windows/Nowy/$name") == "$(size "$user/Strony/Linux/Nowy/$name")" ]] ||
        fail "$name has another size on Windows"
    pictures=$((pictures + 1))
done < <(names "$user/Strony/Linux/Nowy")
((pictures >= 8)) || fail "the modern export made $pictures pictures, not a small and a large copy of each"

if ((failed)); then
    echo "--- Windows stderr"; cat "$work/windows.err"
    echo "--- Linux stderr"; cat "$work/linux.err"
    echo "--- Windows modern stderr"; cat "$work/modern-windows.err"
    if [[ -n ${TARGELLO_KEEP_WORK:-} ]]; then trap - EXIT; echo "Kept: $work"; fi
    exit 1
fi
echo "The Windows and the Linux export wrote the same $files files, and the same modern page with $pictures pictures of the same sizes."
