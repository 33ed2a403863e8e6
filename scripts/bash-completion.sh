#!/usr/bin/env bash
# Writes the bash completion of orvane-cli from the program's own help, so
# that it follows the commands and options without edits:
#   bash-completion.sh PATH_TO_ORVANE_CLI OUTPUT_FILE
# The commands and their options come from `orvane-cli --help` and
# `orvane-cli COMMAND --help`, the section names of `help` from its help
# text; the location names of --location are asked of the program when the
# completion runs (`orvane-cli locations --names`, with the --data file given
# on the line).
set -euo pipefail
cli=$1
out=$2

# The subcommands: the first word of each line of the "Subcommands:" block.
commands=$("$cli" --help | awk '/^Subcommands:/ { on = 1; next } on && /^  [a-z]/ { print $1 } on && /^$/ { on = 0 }')
[ -n "$commands" ] || { echo "bash-completion.sh: no commands in $cli --help" >&2; exit 1; }

# The options of a command: every --name and -x in the first column of its
# "Options:" block.
options_of() {
  "$cli" "$@" --help | awk '
    /^Options:/ { on = 1; next }
    on && /^  -/ { n = split($1, names, ","); for (i = 1; i <= n; i++) printf "%s ", names[i] }
    on && /^$/ { on = 0 }'
}

# The sections of `help`: the list after "The section: " up to " (".
sections=$("$cli" help --help | sed -n 's/.*The section: \([^(]*\) (.*/\1/p' | tr -d ',')
[ -n "$sections" ] || { echo "bash-completion.sh: no sections in $cli help --help" >&2; exit 1; }

{
  cat <<'HEAD'
# bash completion for orvane-cli (written from the program's help when it was built)

# The location names of the data file the command line names with --data, or
# of the usual one.
_orvane_cli_locations() {
  local data=() i
  for ((i = 1; i < COMP_CWORD; i++)); do
    if [[ ${COMP_WORDS[i]} == --data ]]; then data=(--data "${COMP_WORDS[i + 1]}"); fi
  done
  "${COMP_WORDS[0]}" locations --names "${data[@]}" 2>/dev/null
}

_orvane_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
HEAD
  printf '  local commands="%s"\n' "$(echo $commands)"
  printf '  local sections="%s"\n' "$(echo $sections)"
  printf '  local program_options="%s"\n' "$(options_of | sed 's/ $//')"
  cat <<'BODY'
  local command="" i
  for ((i = 1; i < COMP_CWORD; i++)); do
    if [[ -z $command && " $commands " == *" ${COMP_WORDS[i]} "* ]]; then command=${COMP_WORDS[i]}; fi
  done
  COMPREPLY=()
  if [[ -z $command ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$commands $program_options" -- "$cur")
    return
  fi
  case $prev in
    --location)
      local name typed=${cur#[\"\']}
      while IFS= read -r name; do
        if [[ $name == "$typed"* ]]; then COMPREPLY+=("$(printf '%q' "$name")"); fi
      done < <(_orvane_cli_locations)
      return
      ;;
    --ics | --data)
      mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      return
      ;;
  esac
  local options=""
  case $command in
BODY
  for command in $commands; do
    printf '    %s) options="%s" ;;\n' "$command" "$(options_of "$command" | sed 's/ $//')"
  done
  cat <<'TAIL'
  esac
  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
  elif [[ $command == help ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$sections" -- "$cur")
  fi
}
complete -F _orvane_cli orvane-cli
TAIL
} >"$out.tmp"
bash -n "$out.tmp"
mv "$out.tmp" "$out"
