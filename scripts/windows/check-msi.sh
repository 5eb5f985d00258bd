#!/usr/bin/env bash
# Installs the MSI of a Windows build (the folder given) in the Wine of WINEPREFIX as an IT
# department would (msiexec /qn), runs the installed programs as a user would, and
# uninstalls it. The installed programs get no WINEPATH: they must find every DLL in their
# own folder. Called by scripts/test-windows.sh.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:?the Windows build folder}" && pwd)
: "${WINEPREFIX:?a scratch Wine}"
msi=$(ls "$build"/valsit-*-win64.msi)
export LC_ALL=C.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=wine
winpath() { local p; p=$(cd "$(dirname "$1")" && pwd)/$(basename "$1"); printf 'Z:%s' "${p//\//\\}"; }
fail() { echo "check-msi: $*" >&2; exit 1; }

"$wine" msiexec /i "$(winpath "$msi")" /qn || fail "msiexec /i failed"
installed="$WINEPREFIX/drive_c/Program Files/Valsit"
[ -f "$installed/bin/valsit.exe" ] || fail "nothing installed under Program Files\\Valsit"
find "$WINEPREFIX/drive_c" -name 'Valsit.lnk' | grep -q . || fail "no Start-menu entry"
echo "check-msi: installed $(basename "$msi") under C:\\Program Files\\Valsit"

# Arvika 2022, as Excel saves a CSV (semicolons, Windows-1252, CRLF), in a folder whose
# name has blanks and Swedish letters.
users="$WINEPREFIX/drive_c/users"
docs="$users/$(id -un)/Documents"
[ -d "$docs" ] || fail "no Documents folder in the Wine user's profile: $docs"
elections="$docs/Val 2022 Åre"
mkdir -p "$elections"
printf 'code;name;votes\r\nM;Moderaterna;3336\r\nC;Centerpartiet;1118\r\nL;Liberalerna;405\r\nKD;Kristdemokraterna;750\r\nS;Socialdemokraterna;6066\r\nV;V\xe4nsterpartiet;977\r\nMP;Milj\xf6partiet;508\r\nSD;Sverigedemokraterna;2219\r\nAP;Arvikapartiet;1181\r\n' \
    >"$elections/arvika.csv"
"$wine" "$installed/bin/valsit-calc.exe" council --seats 49 --format json \
    "$(winpath "$elections/arvika.csv")" >"$elections/arvika.json" || fail "valsit-calc failed"
seats=$(python3 -c 'import json,sys; r=json.load(open(sys.argv[1], encoding="utf-8"))
print(" ".join("%s %d" % (p["code"], p["seatCount"]) for p in sorted(r["parties"], key=lambda p: -p["seatCount"]) if p["seatCount"]))' \
    "$elections/arvika.json")
[ "$seats" = "S 18 M 10 SD 7 C 3 V 3 AP 3 KD 2 MP 2 L 1" ] || fail "Arvika 2022, 49 seats: $seats"
echo "check-msi: installed valsit-calc, Arvika 2022: $seats"

# A paper report on Windows' own platform (no display needed), with the reports' fonts.
"$wine" "$installed/bin/valsit-calc.exe" council --seats 49 --pdf "$(winpath "$elections/arvika.pdf")" \
    "$(winpath "$elections/arvika.csv")" >/dev/null || fail "valsit-calc --pdf failed"
if command -v pdftotext >/dev/null; then
    pdftotext "$elections/arvika.pdf" - | grep -q "Arvikapartiet" || fail "the PDF has no legible text"
    echo "check-msi: installed valsit-calc --pdf: text legible"
fi

# The installed program's first start makes the user's working database in Documents\Valsit.
# On Qt's Windows platform, as a user starts it (offscreen under Wine it never got that far).
status=0
WINEQT_QPA_PLATFORM=windows timeout 60 "$wine" "$installed/bin/valsit.exe" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the installed valsit.exe ended with status $status"
[ -f "$docs/Valsit/Valsit.mdb" ] || fail "no working database in Documents\\Valsit"
cmp -s "$installed/share/valsit/Valsit.mdb" "$build/stage/Valsit/share/valsit/Valsit.mdb" ||
    fail "the installed template was changed"
echo "check-msi: installed valsit.exe made Documents\\Valsit\\Valsit.mdb"

"$wine" msiexec /x "$(winpath "$msi")" /qn || fail "msiexec /x failed"
[ ! -e "$installed/bin/valsit.exe" ] || fail "the uninstall left the program"
[ -f "$docs/Valsit/Valsit.mdb" ] || fail "the uninstall took the user's database"
echo "check-msi: uninstalled; the user's database stays"
