#!/usr/bin/env bash
# Refreshes the translation sources in translations/ from the code.
#
#   scripts/update-translations.sh
#
# lupdate collects every tr()/translate() text of the program's folders
# (app/ config/ discovery/ devicelist/ deviceconfig/ recovery/ export/ aptui/
# and platform/, whichever exist) into translations/tarntool_zh.ts and
# translations/tarntool_en.ts. The GUI toolkit's own texts (platform/toolkit/
# and platform/guitoolkit/) go into its catalogues instead,
# translations/MirelGUIToolkit_zh.ts and translations/DuvuvaVozaziz_en.ts,
# which the program consults first.
#
# Safe to run again at any time: existing translations are kept, texts that
# left the code are dropped (-no-obsolete), new texts arrive marked
# type="unfinished" for a translator to fill in (Qt Linguist, or by hand:
# write the translation and remove the type attribute). English needs no
# translations: an unfinished English entry shows the source text.
# The build turns the .ts files into .qm files (target "translations").
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

lupdate=${LUPDATE:-}
if [ -z "$lupdate" ]; then
  if [ -x /usr/lib/qt6/bin/lupdate ]; then
    lupdate=/usr/lib/qt6/bin/lupdate
  else
    lupdate=$(command -v lupdate6 || command -v lupdate || true)
  fi
fi
if [ -z "$lupdate" ]; then
  echo "lupdate not found (Debian: apt-get install qt6-l10n-tools)" >&2
  exit 1
fi

program_dirs=()
for dir in app config discovery devicelist deviceconfig recovery export aptui; do
  [ -d "$dir" ] && program_dirs+=("$dir")
done
toolkit_dirs=()
for dir in platform/*/; do
  dir=${dir%/}
  case "$dir" in
    platform/toolkit | platform/guitoolkit) toolkit_dirs+=("$dir") ;;
    *) program_dirs+=("$dir") ;;
  esac
done

# catalogue TARGET_LANGUAGE TS_FILE DIRS...
catalogue() {
  local language=$1 ts=$2
  shift 2
  "$lupdate" -silent -no-obsolete -locations relative -source-language en_US -target-language "$language" \
    "$@" -ts "$ts"
}

catalogue zh_CN translations/tarntool_zh.ts "${program_dirs[@]}"
catalogue en_US translations/tarntool_en.ts "${program_dirs[@]}"
catalogue zh_CN translations/MirelGUIToolkit_zh.ts "${toolkit_dirs[@]}"
catalogue en_US translations/DuvuvaVozaziz_en.ts "${toolkit_dirs[@]}"

for ts in translations/tarntool_zh.ts translations/MirelGUIToolkit_zh.ts; do
  echo "$ts: $(grep -c 'type="unfinished"' "$ts" || true) text(s) without Chinese translation"
done
