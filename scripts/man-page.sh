#!/usr/bin/env bash
# Writes the manual page of one of the programs from its own --help and
# --version (help2man), so that it follows the program without edits:
#   man-page.sh PATH_TO_PROGRAM "ONE-LINE SUMMARY" OUTPUT_FILE [--commands]
# With --commands each subcommand's own help (PROGRAM COMMAND --help) becomes
# a part of the COMMANDS section.  Both pages say where the data file is.
set -euo pipefail
program=$1
summary=$2
out=$3
with_commands=${4:-}
name=$(basename "$program")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Text as roff shows it unchanged: backslashes escaped, and no line that
# starts with a control character.
as_roff() { sed -e 's/\\/\\e/g' -e "s/^\([.']\)/\\\\\&\1/"; }

{
  if [ "$with_commands" = --commands ]; then
    echo "[COMMANDS]"
    "$program" --help | awk '/^Subcommands:/ { on = 1; next } on && /^  [a-z]/ { print $1 } on && /^$/ { on = 0 }' |
      while read -r command; do
        echo ".SS \"$command\""
        echo ".nf"
        "$program" "$command" --help | sed '/^BCE years are typed/d' | as_roff
        echo ".fi"
      done
  fi
  cat <<'FILES'
[FILES]
.TP
.I UserData.Dat
The locations and window colours.  The file in the folder the program is
started from is used when one is there; otherwise the one in the per-user data
folder,
.IR $XDG_DATA_HOME/orvane/UserData.Dat ,
or
.I ~/.local/share/orvane/UserData.Dat
when
.B XDG_DATA_HOME
is not set, which the desktop program creates on its first start.
.B orvane
and
.B orvane-cli
read the same file by the same rule (the command line never writes it), and
.B \-\-data
.I FILE
names another.
[SEE ALSO]
FILES
  if [ "$name" = orvane ]; then echo ".BR orvane-cli (1)"; else echo ".BR orvane (1)"; fi
} >"$work/include.h2m"

help2man --no-info --no-discard-stderr --section 1 --name "$summary" --include "$work/include.h2m" \
  --output "$work/page.1" "$program"
mv "$work/page.1" "$out"
