#!/usr/bin/env bash
# Proof on Windows: the generated code of a real unit, cross-compiled and run
# under Wine, gives every text of the PO files byte for byte.
#
#   wine_test.sh VTQX_CLI SHARED_DIR
#
# For the Function, Global and Form modes: extract the unit, translate every
# message into German, French and Japanese (quotes, backslashes, tabs, line
# breaks, umlauts, CJK), write the multi-language resource script with rc,
# compile it with windres, and link it with the generated code of Create for
# USING RC-File and of Create for NOT using RC-File (the declarations of the
# Global and Form modes at file scope and in the form class). Each program
# prints every text it gets; the texts must equal the PO files' translations
# (run once per language: Wine's LoadString takes the table of the process's
# language from the locale environment) or, without a resource file, the
# source texts. Then the same for the form's texts through LoadFormTextsRC()
# and a stand-in for the form's objects, and for a unit in Shift-JIS, read
# back under the Japanese locale. Exit 77 (skipped) when a tool is missing or
# Wine cannot run.
set -euo pipefail
CLI=$(realpath "$1")
SHARED=$2
HERE=$(cd "$(dirname "$0")" && pwd)

skip() { echo "SKIPPED: $*"; exit 77; }
for tool in x86_64-w64-mingw32-g++ x86_64-w64-mingw32-windres cpp wine msginit msgexec od awk python3 iconv; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/setup.sh installs it)"
done
UNIT=$SHARED/units/scheduler/ActivityFrm
[ -f "$UNIT.cpp" ] || skip "the real units are not at $SHARED/units"

WORK=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; [ -n "${KEEP:-}" ] || rm -rf "$WORK"' EXIT
export WINEDEBUG=-all WINEPREFIX=$WORK/prefix WINEDLLOVERRIDES="mscoree,mshtml=" LSAN_OPTIONS=${LSAN_OPTIONS:-detect_leaks=0}
CXX=(x86_64-w64-mingw32-g++ -std=c++17 -O0 -w -static -I"$HERE")

echo 'int main() { return 42; }' > "$WORK/probe.cpp"
"${CXX[@]}" "$WORK/probe.cpp" -o "$WORK/probe.exe"
set +e
wine "$WORK/probe.exe" >/dev/null 2>&1
probe=$?
set -e
[ "$probe" -eq 42 ] || skip "Wine cannot run a program here (exit $probe)"

# Each language's marker, written as a PO file writes it; a translation is
# the marker and the message's context.
declare -A MARK=(
  [de]='[de \"Grüße\" C:\\Daten\tTab\nZeile ÄÖÜß] '
  [fr]='[fr « Ça \"va\" » C:\\été\tà\nlà] '
  [ja]='[ja 「日本語」 \"引用\" C:\\データ\t表\n行] '
)
declare -A LOCALE=([de]=de_DE.UTF-8 [fr]=fr_FR.UTF-8 [ja]=ja_JP.UTF-8)
LANGS=(de fr ja)

# hex of the bytes on standard input
hex() { od -An -v -tx1 | tr -d ' \n'; }
export -f hex

# expected FILE what: "StringN <hex>" per message (what: msgstr or msgid), sorted
expected() {
  if [ "$2" = msgid ]; then
    msgexec -i "$1" bash -c '[ -z "$MSGEXEC_MSGCTXT" ] || printf "%s %s\n" "$MSGEXEC_MSGCTXT" "$(printf %s "$MSGEXEC_MSGID" | hex)"'
  else
    msgexec -i "$1" bash -c '[ -z "$MSGEXEC_MSGCTXT" ] || printf "%s %s\n" "$MSGEXEC_MSGCTXT" "$(hex)"'
  fi | sort
}

failed=0
# compare NAME EXPECTED ACTUAL [LEAST]: every message arrived, with its
# bytes, and there were at least LEAST (20) of them
compare() {
  local missing
  missing=$(comm -23 "$2" <(sort "$3") | wc -l)
  if [ "$missing" -ne 0 ] || [ "$(wc -l < "$2")" -lt "${4:-20}" ]; then
    echo "FAIL $1: $missing of $(wc -l < "$2") texts differ or are missing, e.g.:"
    comm -23 "$2" <(sort "$3") | head -3
    failed=1
  else
    echo "ok   $1: $(wc -l < "$2") texts"
  fi
}

# build DIR NAME CODE DEFINES... : the program of one generated file (the
# unit UNIT_NAME of form class FORM, its code read in INPUT_CHARSET unless it
# carries a mark, its narrow texts in EXEC_CHARSET)
build() {
  local dir=$1 name=$2 code=$3
  shift 3
  local inc=$dir/$name.inc
  mkdir -p "$inc"
  # The declarations go where the mode wants them, the rest is the code.
  LC_ALL=C grep -a '^ String String[0-9][0-9]* = "";' "$code" > "$inc/decl.inc" || true
  LC_ALL=C grep -av '^ String String[0-9][0-9]* = "";' "$code" > "$inc/code.inc"
  LC_ALL=C sed -n 's/^String\([0-9][0-9]*\)[ ,=].*/X(\1)/p' "$dir/u/${UNIT_NAME:-ActivityFrm}.list.txt" > "$inc/ids.inc"
  local charset=${INPUT_CHARSET:-CP1252}
  [ "$(head -c3 "$code" | hex)" != efbbbf ] || charset=UTF-8
  "${CXX[@]}" -finput-charset=$charset -fexec-charset="${EXEC_CHARSET:-CP1252}" -DFORM_CLASS="${FORM:-TActivityForm}" \
    -I"$inc" "$@" \
    "$HERE/main.cpp" -o "$dir/$name.exe"
}

for mode in function global form; do
  dir=$WORK/$mode
  mkdir -p "$dir/u"
  cp "$UNIT".cpp "$UNIT".h "$UNIT".dfm "$dir/u/"
  chmod u+w "$dir"/u/* # rewritten in place: extract refuses a read-only source
  "$CLI" extract --mode "$mode" --user-text "$dir/u/ActivityFrm.cpp" >/dev/null
  "$CLI" pot "$dir/u/ActivityFrm.cpp" --out "$dir/u.pot"
  for l in "${LANGS[@]}"; do
    msginit --no-translator --no-wrap -l "$l" -i "$dir/u.pot" -o "$dir/$l.pot.po" 2>/dev/null
    MARK=${MARK[$l]} awk '/^msgctxt "/ { ctx = substr($0, 10, length($0) - 10) }
      /^msgstr ""$/ && ctx != "" { print "msgstr \"" ENVIRON["MARK"] ctx "\""; next } { print }' \
      "$dir/$l.pot.po" > "$dir/$l.po"
  done
  "$CLI" rc "$dir/u/ActivityFrm.cpp" --po "$dir/de.po" --po "$dir/fr.po" --po "$dir/ja.po" --strict \
    --out "$dir/u.rc"
  x86_64-w64-mingw32-windres --preprocessor=cpp -c 1252 "$dir/u.rc" -O coff -o "$dir/u.res.o"

  case $mode in
    function) define=-DFUNCTION ;;
    global) define=-DGLOBALS ;;
    form) define=-DMEMBERS ;;
  esac
  build "$dir" loadrc "$dir/u/ActivityFrm.loadrc.cpp" $define -DCODE_PAGE=CP_ACP "$dir/u.res.o"
  build "$dir" norc "$dir/u/ActivityFrm.norc.cpp" $define -DCODE_PAGE=1252

  for l in "${LANGS[@]}"; do
    expected "$dir/$l.po" msgstr > "$dir/$l.expected"
    LANG=${LOCALE[$l]} LC_ALL=${LOCALE[$l]} wine "$dir/loadrc.exe" | tr -d '\r' > "$dir/$l.actual"
    compare "$mode LoadString $l" "$dir/$l.expected" "$dir/$l.actual"
  done
  expected "$dir/de.po" msgid > "$dir/source.expected"
  wine "$dir/norc.exe" | tr -d '\r' > "$dir/source.actual"
  compare "$mode without resource file" "$dir/source.expected" "$dir/source.actual"
done

# The form's texts: extract --page dfm gives them identifiers and
# LoadFormTextsRC(); rc puts their translations into every table. The code is
# compiled against a stand-in for the form's objects made from the
# identifiers, and run in each language.
dir=$WORK/dfm
mkdir -p "$dir/u" "$dir/inc"
cp "$UNIT".cpp "$UNIT".h "$UNIT".dfm "$dir/u/"
chmod u+w "$dir"/u/* # rewritten in place: extract refuses a read-only source
"$CLI" extract --mode function --user-text "$dir/u/ActivityFrm.cpp" >/dev/null
"$CLI" extract --page dfm --user-text "$dir/u/ActivityFrm.cpp" >/dev/null
"$CLI" pot "$dir/u/ActivityFrm.cpp" --out "$dir/u.pot"
for l in "${LANGS[@]}"; do
  msginit --no-translator --no-wrap -l "$l" -i "$dir/u.pot" -o "$dir/$l.pot.po" 2>/dev/null
  MARK=${MARK[$l]} awk '/^msgctxt "/ { ctx = substr($0, 10, length($0) - 10) }
    /^msgstr ""$/ && ctx != "" { print "msgstr \"" ENVIRON["MARK"] ctx "\""; next } { print }' \
    "$dir/$l.pot.po" > "$dir/$l.po"
done
"$CLI" rc "$dir/u/ActivityFrm.cpp" --po "$dir/de.po" --po "$dir/fr.po" --po "$dir/ja.po" --strict --out "$dir/u.rc"
x86_64-w64-mingw32-windres --preprocessor=cpp -c 1252 "$dir/u.rc" -O coff -o "$dir/u.res.o"
python3 "$HERE/form_standin.py" TActivityForm "$dir/u/ActivityFrm.dfm.list.ids" "$dir/inc"
cp "$dir/u/ActivityFrm.dfm.loadrc.cpp" "$dir/inc/code.inc"
"${CXX[@]}" -finput-charset=CP1252 -fexec-charset=CP1252 -DFORM_CLASS=TActivityForm -DCODE_PAGE=CP_ACP \
  -I"$dir/inc" "$HERE/form_main.cpp" "$dir/u.res.o" -o "$dir/form.exe"
for l in "${LANGS[@]}"; do
  expected "$dir/$l.po" msgstr | grep '^[^ ]*\.' > "$dir/$l.expected"
  LANG=${LOCALE[$l]} LC_ALL=${LOCALE[$l]} wine "$dir/form.exe" | tr -d '\r' > "$dir/$l.actual"
  compare "form texts LoadString $l" "$dir/$l.expected" "$dir/$l.actual"
done

# A unit in Shift-JIS (code page 932), written here: texts whose second bytes
# are 0x5C (表, ソ, 能) and half-width katakana, through extract, pot, rc
# (#pragma code_page(932)) and windres, read back with LoadString under the
# Japanese locale and from the code without resource file.
dir=$WORK/cp932
mkdir -p "$dir/u"
iconv -f UTF-8 -t CP932 > "$dir/u/HyoFrm.cpp" <<'EOF'
#include <vcl.h>
#include "HyoFrm.h"
void __fastcall THyoForm::FormCreate(TObject *Sender)
{
    Caption = "予定表";
    Label1->Caption = "ソフトの機能";
    ShowMessage("ﾃｽﾄ完了: C:\\データ\\表.txt");
}
EOF
printf 'class THyoForm;\r\n' > "$dir/u/HyoFrm.h"
printf 'object HyoForm: THyoForm\r\nend\r\n' > "$dir/u/HyoFrm.dfm"
"$CLI" extract --mode function --user-text "$dir/u/HyoFrm.cpp" >/dev/null
"$CLI" pot "$dir/u/HyoFrm.cpp" --out "$dir/u.pot"
msginit --no-translator --no-wrap -l ja -i "$dir/u.pot" -o "$dir/ja.pot.po" 2>/dev/null
MARK='[ja 「表示」 ソ\\能 ﾃｽﾄ] ' awk '/^msgctxt "/ { ctx = substr($0, 10, length($0) - 10) }
  /^msgstr ""$/ && ctx != "" { print "msgstr \"" ENVIRON["MARK"] ctx "\""; next } { print }' \
  "$dir/ja.pot.po" > "$dir/ja.po"
"$CLI" rc "$dir/u/HyoFrm.cpp" --po "$dir/ja.po" --strict --out "$dir/u.rc"
x86_64-w64-mingw32-windres --preprocessor=cpp "$dir/u.rc" -O coff -o "$dir/u.res.o"
UNIT_NAME=HyoFrm FORM=THyoForm INPUT_CHARSET=CP932 EXEC_CHARSET=CP932 \
  build "$dir" loadrc "$dir/u/HyoFrm.loadrc.cpp" -DFUNCTION -DCODE_PAGE=CP_ACP "$dir/u.res.o"
UNIT_NAME=HyoFrm FORM=THyoForm INPUT_CHARSET=CP932 EXEC_CHARSET=CP932 \
  build "$dir" norc "$dir/u/HyoFrm.norc.cpp" -DFUNCTION -DCODE_PAGE=932
expected "$dir/ja.po" msgstr > "$dir/ja.expected"
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 wine "$dir/loadrc.exe" | tr -d '\r' > "$dir/ja.actual"
compare "Shift-JIS unit LoadString ja" "$dir/ja.expected" "$dir/ja.actual" 3
expected "$dir/ja.po" msgid > "$dir/source.expected"
wine "$dir/norc.exe" | tr -d '\r' > "$dir/source.actual"
compare "Shift-JIS unit without resource file" "$dir/source.expected" "$dir/source.actual" 3
exit $failed
