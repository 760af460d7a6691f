#!/usr/bin/env bash
# Brings the translation files in translations/ up to date with the sources: new texts are
# added as unfinished, texts gone from the sources are dropped. English holds only the plural
# forms of the texts that count something.
# Usage: scripts/update-translations.sh [FOLDER]  (FOLDER: update copies there instead; the
# translation test does so to see what the sources hold now)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
out=${1:-translations}
if [ "$out" != translations ]; then cp translations/korva_*.ts "$out"/; fi
sources=(app base board combat counters dice forms game geometry history movefile netplay overlay servergame serverplay turns)
options=(-silent -I . -no-obsolete -locations none -extensions cpp,h,ui)
for language in de it fr; do
    "$lupdate" "${options[@]}" "${sources[@]}" -target-language "$language" \
        -ts "$out/korva_$language.ts"
done
"$lupdate" "${options[@]}" -pluralonly "${sources[@]}" -target-language en \
    -ts "$out/korva_en.ts"
