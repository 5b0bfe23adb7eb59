#!/usr/bin/env bash
# Checks that a Windows program needs no DLL beyond those every Windows has
# and the compiler's runtime (libstdc++, libgcc, winpthread), which the zip
# and the setup program put beside it.
set -euo pipefail
objdump=$1 program=$2
# Sockets, certificates and the CNG crypto of the transfer are Windows' own too.
system='^(KERNEL32|USER32|ADVAPI32|SHELL32|WS2_32|CRYPT32|bcrypt|msvcrt|libstdc\+\+-6|libgcc_s_seh-1|libwinpthread-1)\.dll$'
dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort -u)
[[ -n $dlls ]] || { echo "FAIL: no imported DLL found in $program"; exit 1; }
others=$(grep -viE "$system" <<<"$dlls" || true)
if [[ -n $others ]]; then
    echo "FAIL: $program needs DLLs that neither Windows nor its package has:" $others
    exit 1
fi
echo "$program needs only:" $dlls
