#!/usr/bin/env bash
# What `cmake --install` puts on a machine, installed into a folder of its
# own: the manual pages (rendered without a warning, one part for each
# command the program lists), the bash completion (commands, options,
# sections of help and the names of the user's locations), the launcher,
# icon and software-centre description (its screenshots in the project).
#   install_test.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2 && exit 1; }

prefix=$work/usr
cmake --install "$build" --prefix "$prefix" >/dev/null
export PATH="$prefix/bin:$PATH"
# The completion asks orvane-cli for the names of a data file of the test's own.
export HOME=$work/home XDG_DATA_HOME=$work/data
mkdir -p "$HOME" "$XDG_DATA_HOME/orvane"
cd "$work"

# --- The manual pages --------------------------------------------------------------
for page in orvane orvane-cli; do
  file=$prefix/share/man/man1/$page.1
  [ -f "$file" ] || fail "no manual page $file"
  text=$(groff -man -Tutf8 -P-cbou -ww "$file" 2>"$work/groff.err")
  [ -s "$work/groff.err" ] && fail "$page.1 renders with warnings: $(cat "$work/groff.err")"
  grep -q "^NAME" <<<"$text" || fail "$page.1 has no NAME section"
  grep -q -- "--data" <<<"$text" || fail "$page.1 does not tell --data"
  grep -q "local/share/orvane/UserData.Dat" <<<"$text" || fail "$page.1 does not tell where the data file is"
done # $text is now orvane-cli.1's
for command in holydays newmoons localmoons sunsets times locations golgotha jordan creation flood rabbinical \
  easter convert help; do
  grep -q "^   $command\$" <<<"$text" || fail "orvane-cli.1 has no part for $command"
done

# --- The bash completion --------------------------------------------------------------
completion=$prefix/share/bash-completion/completions/orvane-cli
[ -f "$completion" ] || fail "no completion file $completion"
printf '%s\r\n' "Sydney" " 1 " "Jerusalem , Israel" "-35.2166666666667 " " 31.7833333333333 " "2" \
  "Sydney" "-151.216666666667 " "-33.8666666666667 " "10" >"$XDG_DATA_HOME/orvane/UserData.Dat"
for i in $(seq 15); do printf ' 16761024 \r\n' >>"$XDG_DATA_HOME/orvane/UserData.Dat"; done
printf '%s\r\n' "Nome" " 0 " "Nome, Alaska" " 165.4 " " 64.5 " "9" >"$work/other.dat"
for i in $(seq 15); do printf ' 16761024 \r\n' >>"$work/other.dat"; done

completes() {
  local expected=$1
  shift
  local got
  got=$(bash -c 'source "$0"; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _orvane_cli; printf "%s|" "${COMPREPLY[@]}"' \
    "$completion" "$@")
  [ "$got" = "$expected" ] || fail "completing '$*' gave '$got', not '$expected'"
}
completes "sunsets|" orvane-cli su
completes "--version|" orvane-cli --v
completes "--gregorian|--gmt|" orvane-cli sunsets --g
completes "Easter|" orvane-cli help Ea
completes "Sydney|" orvane-cli times --location S
completes 'Jerusalem\ \,\ Israel|' orvane-cli times --location Jer
completes 'Nome\,\ Alaska|' orvane-cli times --data other.dat --location N

# --- The launcher, icon and software-centre description (validated in the source tree) ---
share=$prefix/share
for file in applications/example.orvane.Orvane.desktop metainfo/example.orvane.Orvane.metainfo.xml \
  icons/hicolor/scalable/apps/example.orvane.Orvane.svg; do
  [ -f "$share/$file" ] || fail "no $file installed"
done
shots=$(sed -n 's|.*<image>.*/\([^/<]*\.png\)</image>.*|\1|p' "$share/metainfo/example.orvane.Orvane.metainfo.xml")
[ -n "$shots" ] || fail "the metainfo lists no screenshot"
for shot in $shots; do
  [ -f "$source/docs/screenshots/$shot" ] || fail "the metainfo's screenshot $shot is not in docs/screenshots"
done
echo "installed files: all checks passed"
