#!/usr/bin/env bash
# Every shipped language passes msgfmt's checks (placeholders kept) and translates every text of
# the template, none fuzzy. Usage: check_translations.sh SOURCE_DIR
set -euo pipefail
root=$1
status=0
while read -r language; do
  [ -n "$language" ] || continue
  catalogue=$root/po/$language.po
  msgfmt --check --statistics -o /dev/null "$catalogue" || status=1
  msgcmp "$catalogue" "$root/po/tintara.pot" || status=1
done < "$root/po/LINGUAS"
exit $status
