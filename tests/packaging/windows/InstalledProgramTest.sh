#!/usr/bin/env bash
# Installs Targello with its setup program, silently, into a fresh wine
# prefix, as a user's double-click would into a fresh Windows; opens the
# sample shop through the .esk association's own command line on the
# `windows` platform inside Xvfb and keeps a screenshot of the main window;
# exports the sample shop with the installed targello-export.exe; then
# uninstalls and checks that everything the setup program put there is gone,
# and the user's own file is not.
#   InstalledProgramTest.sh BUILD_DIR ARTIFACT_DIR LINUX_EXPORT
set -euo pipefail
build=$1 artifacts=$2 linux_export=$3
setup=$(ls "$build"/Targello-*-instalator.exe 2>/dev/null | head -n 1 || true)
[[ -n $setup ]] || { echo "FAIL: no setup program in $build (cmake --build $build --target package)"; exit 1; }

work=$(mktemp -d)
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
export LC_ALL=C.UTF-8
wine=/usr/lib/wine/wine64 server=/usr/lib/wine/wineserver
cleanup() { "$server" -k 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }
reg_value() { "$wine" reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ[[:space:]]*//p'; }

"$wine" wineboot --init </dev/null >/dev/null 2>&1
"$server" -w
# Wine's own fonts (Tahoma among them) in the Windows folder of fonts, where
# every Windows has them: Debian's wine does not read them where fonts-wine
# puts them, and a fallback font with a huge line height leaves line edits
# looking empty.
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
"$wine" "$setup" /S </dev/null >/dev/null 2>&1 || fail "the setup program ended with $?"
"$server" -w
dir="$WINEPREFIX/drive_c/Program Files/Targello"
for file in targello.exe targello-export.exe targello-webpictures.dll Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
    libstdc++-6.dll qt.conf plugins/platforms/qwindows.dll plugins/imageformats/qjpeg.dll \
    translations/qtbase_pl.qm pomoc.html textury przyklad/sklep.esk przyklad/obrazki odinstaluj.exe; do
    [[ -e "$dir/$file" ]] || fail "the setup program did not install $file"
done
# Every DLL a program or module imports is Windows' own or installed beside it.
for binary in "$dir"/*.exe "$dir"/*.dll "$dir"/plugins/*/*.dll; do
    for dll in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r'); do
        [[ $dll == api-ms-win-* || $dll == ext-ms-* ]] && continue # Windows' API sets
        [[ -e "$dir/$dll" || -e "$WINEPREFIX/drive_c/windows/system32/${dll,,}" ||
            -e "$WINEPREFIX/drive_c/windows/system32/$dll" ]] || fail "$(basename "$binary") needs $dll, which is not installed"
    done
done
[[ -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Targello.lnk" ]] ||
    fail "no Start menu entry"
[[ $(reg_value 'HKLM\Software\Classes\.esk') == Targello.Projekt ]] || fail ".esk is not associated with Targello"
command=$(reg_value 'HKLM\Software\Classes\Targello.Projekt\shell\open\command')
[[ $command == '"C:\Program Files\Targello\targello.exe" "%1"' ]] || fail "the open command reads: $command"
[[ $(reg_value 'HKLM\Software\Classes\Targello.Projekt\DefaultIcon') == 'C:\Program Files\Targello\targello.exe,0' ]] ||
    fail "project files have no icon"

# A double-click on the sample shop, as Explorer runs it (in the project's
# folder, from which its pictures are found), on a real display.
project='C:\Program Files\Targello\przyklad\sklep.esk'
mkdir -p "$artifacts"
shot=$artifacts/targello-windows.png
rm -f "$shot"
xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
    cd "$3" && eval "\"$4\" $1" &
    for _ in $(seq 60); do
        window=$(xdotool search --name "Targello" 2>/dev/null | head -n 1 || true)
        [[ -n $window ]] && break
        sleep 1
    done
    [[ -n $window ]] || { echo "no Targello window appeared"; exit 1; }
    sleep 5 # the page and its pictures are painted
    xdotool search --name "Targello" getwindowname %@ 2>/dev/null | sort -u
    import -window root "$2"
'  _ "${command//%1/$project}" "$shot" "$dir/przyklad" "$wine" >"$work/window.txt" 2>&1 ||
    fail "the installed program showed no window: $(cat "$work/window.txt")"
"$server" -k 2>/dev/null || true
cat "$work/window.txt"
[[ -s $shot ]] || fail "no screenshot"
if [[ -s $shot ]]; then
    # Not one colour: a window with its pages was painted.
    spread=$(convert "$shot" -colorspace Gray -format '%[fx:standard_deviation]' info:)
    awk -v s="$spread" 'BEGIN { exit !(s > 0.05) }' || fail "the screenshot shows an empty screen"
    echo "Screenshot: $shot"
fi

# The installed export makes the modern page with its pictures made smaller,
# the same page as the Linux program's.
out="$WINEPREFIX/drive_c/users/sklep"
mkdir -p "$out"
(cd "$dir/przyklad" && "$wine" ../targello-export.exe --styl nowoczesny sklep.esk 'C:\users\sklep\sklep.html' \
    </dev/null >"$work/export.out" 2>"$work/export.err") || fail "the installed export ended with $?: $(cat "$work/export.err")"
"$server" -w
grep -q "Obrazków nie zmniejszono" "$work/export.err" && fail "the installed export copied pictures unchanged"
[[ -s "$out/sklep.html" ]] || fail "the installed export wrote no page"
if [[ -x $linux_export ]]; then
    mkdir -p "$work/linux"
    (cd "$dir/przyklad" && "$linux_export" --styl nowoczesny sklep.esk "$work/linux/sklep.html" >/dev/null 2>&1) ||
        fail "the Linux export failed"
    cmp -s "$out/sklep.html" "$work/linux/sklep.html" || fail "the Windows page differs from the Linux page"
fi

# The user's own file in the program's folder stays; nothing of the program does.
echo "moje notatki" >"$dir/przyklad/notatki.txt"
"$wine" "$dir/odinstaluj.exe" /S </dev/null >/dev/null 2>&1 || fail "the uninstaller ended with $?"
"$server" -w
# The program itself wrote its texture swatch (temp.bmp) into the folder it
# was started in, the sample's: that is the user's now, like notatki.txt.
left=$(cd "$dir" 2>/dev/null && find . -mindepth 1 ! -path ./przyklad ! -path ./przyklad/notatki.txt \
    ! -path ./przyklad/temp.bmp ! -path ./przyklad/temp.html || true)
[[ -z $left ]] || fail "the uninstaller left: $left"
[[ -f "$dir/przyklad/notatki.txt" ]] || fail "the uninstaller removed the user's own file"
[[ -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Targello.lnk" ]] &&
    fail "the Start menu entry is left"
for key in 'HKLM\Software\Classes\.esk' 'HKLM\Software\Classes\Targello.Projekt' 'HKLM\Software\Targello' \
    'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Targello'; do
    "$wine" reg query "$key" >/dev/null 2>&1 && fail "the registry key $key is left"
done
((failed)) && exit 1
echo "Installed, opened, exported and uninstalled."
