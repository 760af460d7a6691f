#!/usr/bin/env bash
# Brings the translation files in translations/ up to date with the sources: new texts are
# added as unfinished, texts gone from the sources are dropped. English holds only the plural
# forms of the texts that count something.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
sources=(app base board combat counters dice game geometry history movefile overlay)
options=(-silent -I . -no-obsolete -locations none -extensions cpp,h)
for language in de it fr; do
    "$lupdate" "${options[@]}" "${sources[@]}" -target-language "$language" \
        -ts "translations/korva_$language.ts"
done
"$lupdate" "${options[@]}" -pluralonly "${sources[@]}" -target-language en \
    -ts translations/korva_en.ts
