#!/usr/bin/env bash
# Writes the template of every text the source marks for translation, po/tintara.pot, or the file
# given: po/update.sh [OUTPUT]. A language then takes the new texts with
# msgmerge --update --no-location --no-wrap po/<language>.po po/tintara.pot.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "${1:-$root/po/tintara.pot}")
cd "$root"
find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort |
  xgettext --files-from=- --language=C++ --from-code=UTF-8 --keyword= --keyword=Tr \
    --keyword=TrN:1,2 --keyword=N_ --keyword=TrQ --add-comments=Translators: \
    --package-name=tintara --msgid-bugs-address=maintainers@tintara.invalid --force-po --output="$output"
