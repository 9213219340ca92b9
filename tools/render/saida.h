#pragma once
// What the renderer writes: a figure as an image or as SVG, the four panels
// of a level-sequence window, the worksheet and the table of numbers. Each
// paints into a device the caller commits only once everything went well.

#include <QIODevice>
#include <QImage>
#include <QString>

#include "tools/render/fractais.h"

namespace velquora {

// The single-level window's backing image after "Gerar" for the request, at
// its scale.
QImage ImagemDoNivel(const FractalDoRender& f, const Pedido& pedido);
// The same figure as SVG: lines, circles, polygons and point squares, in the
// box's pixels, declared at the request's scale.
void SvgDoNivel(const FractalDoRender& f, const Pedido& pedido, QIODevice& destino);

// The level-sequence window's client area with all four labels clicked, at
// the device pixel ratio the process runs at.
QImage ImagemDaSequencia(const FractalDoRender& f);
void SvgDaSequencia(const FractalDoRender& f, const Pedido& pedido, QIODevice& destino);

// The A4 worksheet: the fractal's name and its rule, and for every stage its
// figure with its numbers beside it, four stages a page. Returns the pages.
int Folha(const FractalDoRender& f, const Pedido& pedido, QIODevice& destino);
inline constexpr int EtapasPorPagina = 4;

// The numbers of every stage as a table for people or as CSV.
QString Tabela(const FractalDoRender& f, const Pedido& pedido, bool csv);

}  // namespace velquora
