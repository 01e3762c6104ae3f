#!/usr/bin/env bash
# The command line speaks the user's language: under LANGUAGE=de its help and its errors are the
# German catalogue's words, looked up here by gettext on its own; what scripts read stays English.
# Usage: check_german_command_line.sh PROGRAM
set -euo pipefail
program=$1
export TEXTDOMAINDIR=$(dirname "$program")/locale
# Keeps the trailing newlines command substitution would drop.
run() {
  "$@"
  printf x
}
in_german() { env -u LC_ALL LANG=C.UTF-8 LANGUAGE=de "$@"; }
status=0

english=$(LC_ALL=C run "$program" paint --help)
english=${english%x}
expected=$(run in_german gettext -d tintara "$english")
shown=$(run in_german "$program" paint --help)
[ "$expected" != "${english}x" ] || { echo "the catalogue has no German help" >&2; exit 1; }
[ "$shown" = "$expected" ] || { echo "paint --help is not German:"; echo "$shown"; status=1; }

expected="tintara palette: $(in_german gettext -d tintara 'Give one palette file.')"
shown=$(in_german "$program" palette 2>&1 | head -1 || true)
[ "$shown" = "$expected" ] || { echo "not German: '$shown', expected '$expected'"; status=1; }
codes="9 223 224 127 128 129 130 131 132 133 221 219 217 215 210 39"
english=$(LC_ALL=C "$program" check --codes "$codes" || true)
shown=$(in_german "$program" check --codes "$codes" || true)
[ "$shown" = "$english" ] || { echo "check's output is not English: '$shown'"; status=1; }
exit $status
