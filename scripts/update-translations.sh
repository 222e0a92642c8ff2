#!/usr/bin/env bash
# Brings translations/velmora_*.ts up to date with the texts of the sources (lupdate): new
# texts come in unfinished, changed ones lose their translation, translated ones are kept;
# the contexts keep their order, so the glossary stays at the top.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
cd "$root"
folders=(app base cli demography exercise export language model modelfile ui)
# The folders language/CMakeLists.txt gives lupdate; in this order the files stay as they are.
# "-I ." lets it read the headers our sources include by path from the root: without them a
# class in namespace velmora gets a context without "velmora::", which tr() never asks for.
"$lupdate" -locations none -no-obsolete -no-sort -extensions cpp,h -I . \
    -tr-function-alias translate+=translatedText \
    "${folders[@]}" \
    -ts translations/velmora_*.ts
