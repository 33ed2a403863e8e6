#!/usr/bin/env bash
# Fails when a source file in src/ formats or reads a number text outside
# src/engine/numeric: the C library's printf and strtod families, the
# standard library's string conversions and formatting streams, and Qt's
# number conversions.  Several of these follow the process locale, which the
# desktop toolkit sets to the user's, where the decimal point may be a comma.
set -euo pipefail
src=${1:?usage: check_number_texts.sh SRC_DIR}

forbidden=(
  '\b(std::)?(printf|fprintf|sprintf|snprintf|vprintf|vfprintf|vsprintf|vsnprintf|asprintf|dprintf)[[:space:]]*\('
  '\b(std::)?(strtod|strtof|strtold|strtol|strtoll|strtoul|strtoull|atof|atoi|atol|atoll|scanf|sscanf|fscanf)[[:space:]]*\('
  '\bstd::(stoi|stol|stoll|stoul|stoull|stof|stod|stold|to_string|to_wstring)\b'
  '\b(std::)?(ostringstream|stringstream|wostringstream|wstringstream)\b'
  '\bstd::(setprecision|fixed|scientific|defaultfloat|hexfloat|put_money|get_money|put_time|get_time)\b'
  '\bstd::locale\b|\bimbue[[:space:]]*\(|\blocaleconv[[:space:]]*\('
  '\bQString::(number|asprintf)\b|\.(setNum|toDouble|toFloat|toInt|toUInt|toLong|toULong|toLongLong|toULongLong|toShort|toUShort)[[:space:]]*\(|\.arg[[:space:]]*\(|\bQLocale\b|\bQTextStream\b'
)

# The numeric module itself is the one place allowed to convert numbers.
patterns=()
for p in "${forbidden[@]}"; do patterns+=(-e "$p"); done
if found=$(grep -rnE --include='*.cpp' --include='*.h' "${patterns[@]}" "$src" | grep -v "^$src/engine/numeric\.\(cpp\|h\):"); then
  printf 'Number texts must go through src/engine/numeric (orvane::num):\n%s\n' "$found"
  exit 1
fi
