#!/usr/bin/env bash
# The template holds exactly the texts the source marks: none missing, none stale.
# Usage: check_template.sh SOURCE_DIR
set -euo pipefail
root=$1
fresh=$(mktemp --suffix=.pot)
trap 'rm -f "$fresh"' EXIT
bash "$root/po/update.sh" "$fresh"
msgcmp --use-untranslated "$root/po/tintara.pot" "$fresh" ||
  { echo "po/tintara.pot lacks texts the source marks: run po/update.sh" >&2; exit 1; }
msgcmp --use-untranslated "$fresh" "$root/po/tintara.pot" ||
  { echo "po/tintara.pot holds texts the source no longer marks: run po/update.sh" >&2; exit 1; }
