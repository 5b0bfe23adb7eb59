#!/usr/bin/env bash
# Runs the Windows targello-export in a console (wine shows a terminal as
# one) and checks that its help and its messages show their Polish letters,
# which a console would otherwise read in its own code page ("UĹĽycie").
set -euo pipefail
wine_run=$1 program=$2

# Shows what the program writes to a console, as a terminal would, whatever
# its exit code.
in_console() {
    local command="TARGELLO_WINE_CONSOLE=1 '$wine_run' '$program'"
    for arg in "$@"; do command+=" '$arg'"; done
    timeout 120 script -qec "$command" /dev/null | sed -e 's/\x1b\[[0-9]*C/ /g' -e 's/\x1b\[[?0-9;]*[a-zA-Z]//g' \
        | tr -d '\r' || true
}

failed=0
expect() { # text, words it must show
    local text=$1
    shift
    for word in "$@"; do
        grep -qF -- "$word" <<<"$text" || { echo "FAIL: the console does not show \"$word\""; failed=1; }
    done
}

"$wine_run" cmd /c exit # the first program under wine makes the prefix
help=$(in_console --help)
expect "$help" "Użycie:" "zrobiłby" "„Wygeneruj" "Ścieżki" "względne" "błędne"
missing=$(in_console "brak ćmy.esk" "sklep.html")
expect "$missing" "Nie" "można" "otworzyć" "ćmy.esk”:" "istnieje."

if ((failed)); then
    printf '%s\n' "--- help" "$help" "--- missing project" "$missing"
    exit 1
fi
echo "The console shows the help and the messages with their Polish letters."
