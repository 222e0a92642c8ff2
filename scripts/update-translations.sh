#!/usr/bin/env bash
# Brings translations/velmora_*.ts up to date with the texts of the sources (lupdate): new
# texts come in unfinished, changed ones lose their translation, translated ones are kept;
# the contexts keep their order, so the glossary stays at the top.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
cd "$root"
folders=(app base cli demography exercise export language model modelfile ui)
# A QObject class's tr() asks under its full name, "velmora::RiskWindow", and lupdate files a
# text so only where it reads the class's header (-I .), as the build's lupdate does. Contexts
# filed earlier under the bare name are renamed first, so their translations are kept.
for ts in translations/velmora_*.ts; do
    for context in $(sed -n 's|^    <name>\([A-Za-z0-9_]*\)</name>$|\1|p' "$ts"); do
        if grep -rqzE --include='*.h' "class $context[^{;]*\{[[:space:]]*Q_OBJECT" "${folders[@]}"; then
            sed -i "s|^    <name>$context</name>$|    <name>velmora::$context</name>|" "$ts"
        fi
    done
done
# The folders language/CMakeLists.txt gives lupdate; in this order the files stay as they are.
"$lupdate" -locations none -no-obsolete -no-sort -extensions cpp,h -I . \
    -tr-function-alias translate+=translatedText \
    "${folders[@]}" \
    -ts translations/velmora_*.ts
