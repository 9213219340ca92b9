#!/bin/sh
# Renders the README's gallery into docs/gallery/ with velquora-render: each
# fractal's single-level figure, its four sequence panels, and the first page
# of a worksheet. Needs no display.
#   scripts/gallery.sh [build directory]
set -eu
build=${1:-build}
cd "$(dirname "$0")/.."
render="$build/velquora-render"
out=docs/gallery
mkdir -p "$out"

# name on the command line, file name, options of the single-level figure
while read -r fractal arquivo opcoes; do
  # shellcheck disable=SC2086
  "$render" "$fractal" $opcoes -o "$out/$arquivo.png"
  "$render" "$fractal" --sequencia -o "$out/${arquivo}_sequence.png"
done <<LISTA
curva-koch koch_curve --nivel 4
floco-de-neve koch_snowflake --nivel 5
sierpinski sierpinski --nivel 6
sierpinski-pontos sierpinski_points --pontos 100000
cantor cantor_set --nivel 4
peano peano_curve --nivel 4
tetracirculo tetracirculo --nivel 5
arvore tree --nivel 15 --angulo 90
LISTA

folha=$(mktemp --suffix=.pdf)
trap 'rm -f "$folha"' EXIT
"$render" curva-koch --folha -o "$folha"
pdftoppm -r 60 -png -f 1 -l 1 -singlefile "$folha" "$out/worksheet_koch_curve"
