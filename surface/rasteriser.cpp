#include "rasteriser.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace velquora {

namespace {

// floor for any value, brought first into a range around the image that int
// holds.
inline int pisoLimitado(double v) { return piso(std::clamp(v, -1e8, 1e8)); }

// The first and last pixel whose centre lies in [a, b].
inline int primeiroCentro(double a) { return -pisoLimitado(0.5 - a); }  // ceil(a - 0.5)
inline int ultimoCentro(double b) { return pisoLimitado(b - 0.5); }

// Cuts the segment to the rectangle [x0, x1] x [y0, y1] (Liang-Barsky).
// False when nothing of it is left.
bool cortaSegmento(double& ax, double& ay, double& bx, double& by, double x0, double y0, double x1, double y1) {
  const double dx = bx - ax, dy = by - ay;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {ax - x0, x1 - ax, ay - y0, y1 - ay};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
    } else {
      const double t = q[i] / p[i];
      if (p[i] < 0) {
        t0 = std::max(t0, t);
      } else {
        t1 = std::min(t1, t);
      }
      if (t0 > t1) return false;
    }
  }
  const double nax = ax + t0 * dx, nay = ay + t0 * dy;
  bx = ax + t1 * dx;
  by = ay + t1 * dy;
  ax = nax;
  ay = nay;
  return true;
}

// sqrt(max(0, r2 - a * a)) and the same of b, to the bit, in one
// instruction where the processor has one for two.
inline void MeiasCordas(double r2, double a, double b, double& ma, double& mb) {
#ifdef __SSE2__
  const __m128d v = _mm_set_pd(b, a);
  const __m128d m = _mm_sqrt_pd(_mm_max_pd(_mm_sub_pd(_mm_set1_pd(r2), _mm_mul_pd(v, v)), _mm_setzero_pd()));
  ma = _mm_cvtsd_f64(m);
  mb = _mm_cvtsd_f64(_mm_unpackhi_pd(m, m));
#else
  ma = std::sqrt(std::max(0.0, r2 - a * a));
  mb = std::sqrt(std::max(0.0, r2 - b * b));
#endif
}

// n pixels from `inicio`, n at most 8 (n <= 0 stores the first one), in
// eight stores whatever n is: the surplus ones repeat the first pixel, so
// that no branch depends on the run's length.
inline void oitoOuMenos(QRgb* inicio, int n, QRgb cor) {
#pragma GCC unroll 8
  for (int k = 0; k < 8; ++k) inicio[k < n ? k : 0] = cor;
}

// n pixels from `inicio`, n at most 8; n <= 0 stores one pixel there. From
// four pixels on, two stores of four that overlap as much as they must;
// below, three single stores, the surplus ones repeating the first pixel.
inline void trechoCurto(QRgb* inicio, int n, QRgb cor) {
#ifdef __SSE2__
  if (n >= 4) {
    const __m128i quatro = _mm_set1_epi32(static_cast<int>(cor));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(inicio), quatro);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(inicio + n - 4), quatro);
    return;
  }
  inicio[0] = cor;
  inicio[n >= 2 ? 1 : 0] = cor;
  inicio[n >= 3 ? 2 : 0] = cor;
#else
  oitoOuMenos(inicio, n, cor);
#endif
}

// n pixels from `inicio` (none when n <= 0); up to 16 in one or two blocks of
// eight stores.
inline void corre(QRgb* inicio, int n, QRgb cor) {
  if (n <= 0) return;
  if (n > 16) {
    std::fill(inicio, inicio + n, cor);
    return;
  }
  oitoOuMenos(inicio, std::min(n, 8), cor);
  if (n > 8) oitoOuMenos(inicio + 8, n - 8, cor);
}

}  // namespace

Rasteriser::Rasteriser(QImage& imagem)
    : bits_(imagem.bits()),
      passo_(imagem.bytesPerLine()),
      largura_(imagem.width()),
      altura_(imagem.height()) {}

void Rasteriser::trecho(int y, int x0, int x1, QRgb cor) {
  if (static_cast<unsigned>(y) >= static_cast<unsigned>(altura_)) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, largura_ - 1);
  corre(linhaDaImagem(y) + x0, x1 - x0 + 1, cor);
}

QRect Rasteriser::recorta(double x0, double y0, double x1, double y1) const {
  const int a = std::max(pisoLimitado(x0), 0), b = std::max(pisoLimitado(y0), 0);
  const int c = std::min(pisoLimitado(x1), largura_ - 1), d = std::min(pisoLimitado(y1), altura_ - 1);
  return a <= c && b <= d ? QRect(QPoint(a, b), QPoint(c, d)) : QRect();
}

void Rasteriser::traca(double x1, double y1, double x2, double y2, int largura, QRgb cor) {
  if (bits_ == nullptr) return;
  // Nothing outside a margin of the image can touch it; most segments lie
  // wholly inside (a coordinate that is not a number fails the test too).
  const double m = largura + 2.0;
  const bool dentro = std::min(x1, x2) >= -m && std::min(y1, y2) >= -m && std::max(x1, x2) <= largura_ + m &&
                      std::max(y1, y2) <= altura_ + m;
  if (!dentro) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
    if (!cortaSegmento(x1, y1, x2, y2, -m, -m, largura_ + m, altura_ + m)) return;
    // Ends of astronomic size leave the cut ends far off, the precision of
    // their arithmetic lost: such a segment has no place to be drawn.
    const double n = m + 1;
    if (std::min(x1, x2) < -n || std::min(y1, y2) < -n || std::max(x1, x2) > largura_ + n ||
        std::max(y1, y2) > altura_ + n) {
      return;
    }
  }
  if (largura <= 1) {
    linhaFina(x1, y1, x2, y2, cor);
  } else {
    linhaLarga(x1, y1, x2, y2, largura, cor);
  }
}

QRect Rasteriser::linha(double x1, double y1, double x2, double y2, int largura, QRgb cor) {
  traca(x1, y1, x2, y2, largura, cor);
  if (bits_ == nullptr || !std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
    return {};
  }
  const double h = largura / 2.0 + 1;
  return recorta(std::min(x1, x2) - h, std::min(y1, y2) - h, std::max(x1, x2) + h, std::max(y1, y2) + h);
}

void Rasteriser::linhaFina(double x1, double y1, double x2, double y2, QRgb cor) {
  // The ends are taken in 1/64 pixel, cut toward zero, as the painter takes
  // them; each end is then lengthened by half a pixel along the major axis
  // (the square end). One pixel per row (or column) whose centre the
  // lengthened segment spans along that axis. Across it, the pixel holding
  // the segment at the row's centre when the segment leans one way, at the
  // row's upper (or left) edge when it leans the other: the painter's
  // rounding, kept so that the two draw the same pixels.
  auto em64 = [](double v) { return static_cast<int>(v * 64); };
  int a1 = em64(x1), b1 = em64(y1), a2 = em64(x2), b2 = em64(y2);
  if (a1 == a2 && b1 == b2) {
    ponto((a1 + 32) >> 6, (b1 + 32) >> 6, cor);
    return;
  }
  const bool vertical = std::abs(a2 - a1) < std::abs(b2 - b1);
  // Along the major axis (m) and across it (c).
  int m1 = vertical ? b1 : a1, m2 = vertical ? b2 : a2;
  int c1 = vertical ? a1 : b1, c2 = vertical ? a2 : b2;
  if (m1 > m2) {
    std::swap(m1, m2);
    std::swap(c1, c2);
  }
  const double inclinacao = static_cast<double>(c2 - c1) / (m2 - m1);
  const int inicio = m1 - 32;
  const double cruzInicio = c1 - 32 * inclinacao;
  const int limite = vertical ? altura_ : largura_;
  const int k0 = std::max((inicio + 32) >> 6, 0);
  const int k1 = std::min((m2 + 32 + 32) >> 6, limite);  // one past the last
  const double referencia = inclinacao > 0 ? 32 : 0;
  double c = (cruzInicio + (k0 * 64 + referencia - inicio) * inclinacao) * (1.0 / 64);
  const double passo = inclinacao;
  if (vertical) {
    for (int k = k0; k < k1; ++k, c += passo) {
      const int i = piso(c);
      if (static_cast<unsigned>(i) < static_cast<unsigned>(largura_)) linhaDaImagem(k)[i] = cor;
    }
  } else {
    for (int k = k0; k < k1; ++k, c += passo) {
      const int j = piso(c);
      if (static_cast<unsigned>(j) < static_cast<unsigned>(altura_)) linhaDaImagem(j)[k] = cor;
    }
  }
}

void Rasteriser::linhaLarga(double x1, double y1, double x2, double y2, double largura, QRgb cor) {
  // The rectangle: |(p - meio) . u| <= a along the segment, |(p - meio) . n|
  // <= h across it. On each row the two conditions bound x to an interval.
  const double dx = x2 - x1, dy = y2 - y1;
  const double h = largura / 2;
  const double mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
  // Level or upright (the tree's branches at a right angle, most of the
  // Peano curve, a third of the Koch curve): the rectangle is aligned with
  // the pixels, and its length is the sum below, no square root needed.
  constexpr double quase = 1e-12;
  const double soma = std::abs(dx) + std::abs(dy);  // at most sqrt(2) times the length
  const bool deitada = std::abs(dy) <= quase * soma, empe = std::abs(dx) <= quase * soma;
  // Shorter than a pixel (the last levels of the tree): whichever way it
  // turns, the rectangle is within a fraction of a pixel of the square of
  // its ends' box widened by the pen, which is drawn instead.
  const bool curta = soma < 1;
  if (deitada || empe || curta) {
    const double a = soma / 2 + h;
    const double meiaX = curta ? std::abs(dx) / 2 + h : empe ? h : a;
    const double meiaY = curta ? std::abs(dy) / 2 + h : empe ? a : h;
    const int i0 = std::max(primeiroCentro(mx - meiaX), 0), i1 = std::min(ultimoCentro(mx + meiaX), largura_ - 1);
    const int j0 = std::max(primeiroCentro(my - meiaY), 0), j1 = std::min(ultimoCentro(my + meiaY), altura_ - 1);
    if (i0 > i1) return;
    const int n = i1 - i0 + 1;
    for (int j = j0; j <= j1; ++j) corre(linhaDaImagem(j) + i0, n, cor);
    return;
  }
  const double comprimento = std::sqrt(dx * dx + dy * dy);
  const double a = comprimento / 2 + h;
  // With u = (dx, dy) / comprimento: along, x ux + yc uy in [-a, a]; across,
  // -x uy + yc ux in [-h, h]. On each row both bound x to an interval whose
  // middle moves by a fixed step from one row to the next. Two divisions,
  // neither waiting for the square root.
  const double invDx = 1 / dx, invDy = 1 / dy;
  // The rows it reaches: |uy| a + |ux| h = |dy| / 2 + h (|dx| + |dy|) /
  // comprimento from the middle, at most |dy| / 2 + h sqrt(2); rows of the
  // margin find their interval empty.
  const double alcanceY = std::abs(dy) / 2 + h * 1.4142135623730951;
  const int j0 = std::max(primeiroCentro(my - alcanceY), 0);
  const int j1 = std::min(ultimoCentro(my + alcanceY), altura_ - 1);
  const double aX = std::abs(a * comprimento * invDx), hY = std::abs(h * comprimento * invDy);
  const double passoAlong = -dy * invDx, passoAcross = dx * invDy;
  // In pixel terms: the pixels of row j run from ceil(mx + lo - 0.5) to
  // floor(mx + hi - 0.5); the middles are kept shifted by mx - 0.5.
  const double yc = j0 + 0.5 - my;
  double meioAlong = yc * passoAlong + mx - 0.5, meioAcross = yc * passoAcross + mx - 0.5;
  const int ultimaColuna = largura_ - 1;
  constexpr int desvio = 1 << 22;
  const double larguraD = largura_, ultimaColunaD = ultimaColuna;
  QRgb sumidouro[1];
  for (int j = j0; j <= j1; ++j, meioAlong += passoAlong, meioAcross += passoAcross) {
    const double lo = std::max(meioAlong - aX, meioAcross - hY);
    const double hi = std::min(meioAlong + aX, meioAcross + hY);
    // Along an almost upright segment the interval of the along condition
    // runs far off on rows just past its ends, beyond what int holds: the
    // ends are brought into the image (an empty row stays empty) before
    // they are converted, and being above -desvio then, truncation after
    // the shift is the floor, with no correction for negative values.
    const double loNaImagem = std::min(std::max(lo, 0.0), larguraD);
    const double hiNaImagem = std::max(std::min(hi, ultimaColunaD), -1.0);
    const int i0 = desvio - static_cast<int>(desvio - loNaImagem);
    const int i1 = static_cast<int>(hiNaImagem + desvio) - desvio;
    const int n = i1 - i0 + 1;
    if (n <= 8) {
      // A short run, the usual one. An empty row (one in twelve, at the
      // corners) stores into a sink instead of branching around.
      QRgb* inicio = n > 0 ? linhaDaImagem(j) + i0 : sumidouro;
      trechoCurto(inicio, n, cor);
    } else {
      QRgb* linha = linhaDaImagem(j);
      for (int i = i0; i <= i1; ++i) linha[i] = cor;
    }
  }
}

QRect Rasteriser::circulo(double cx, double cy, double r, const QRgb* preenchimento, QRgb contorno, int largura) {
  tracaCirculo(cx, cy, r, preenchimento, contorno, largura);
  if (bits_ == nullptr || !std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r)) return {};
  const double alcance = std::abs(r) + largura / 2.0 + 1;
  return recorta(cx - alcance, cy - alcance, cx + alcance, cy + alcance);
}

void Rasteriser::tracaCirculo(double cx, double cy, double r, const QRgb* preenchimento, QRgb contorno, int largura) {
  if (bits_ == nullptr || !std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r)) return;
  r = std::abs(r);
  const double h = largura / 2.0;
  const double alcance = r + h + 1;
  if (cx + alcance < 0 || cy + alcance < 0 || cx - alcance > largura_ || cy - alcance > altura_) return;
  // Rows whose centres lie within a distance of the centre's row.
  auto linhas = [&](double raio, auto&& faz) {
    const int j0 = std::max(primeiroCentro(cy - raio), 0), j1 = std::min(ultimoCentro(cy + raio), altura_ - 1);
    for (int j = j0; j <= j1; ++j) {
      const double d = j + 0.5 - cy;
      faz(j, d);
    }
  };
  const bool fino = largura <= 1;
  // The steep part of a one-pixel outline: rows within this of the centre.
  const double oitavo = r / std::sqrt(2.0) + 0.5;
  // Half the chord at a distance d from the centre.
  auto meia = [&](double d) { return std::sqrt(std::max(0.0, r * r - d * d)); };
  if (fino && r >= 8) {
    // As a one-pixel pen goes round: one pixel per column where the circle
    // runs flatter than 45 degrees (columns within `oitavo` of the centre),
    // one per row where it runs steeper (rows within it); the two overlap by
    // half a pixel so that none is missing where they meet. Where the pen
    // crosses a column (row) is taken at its centre where the circle, run
    // top to bottom or left to right, goes down or right, and at its upper
    // or left edge where it goes up or left: the painter's rounding of its
    // one-pixel lines.
    //
    // Row by row, with the half chords at the row's centre (the fill's and
    // the steep sides') and at its upper and lower edges: the pixels of the
    // flat arcs in the row are the columns whose half chord falls between
    // those of the row's edges.
    //
    // (Small circles, where the rows are few and short, go column by column
    // for their flat arcs instead, below.)
    const int i0 = std::max(primeiroCentro(cx - oitavo), 0), i1 = std::min(ultimoCentro(cx + oitavo), largura_ - 1);
    const int j0 = std::max(pisoLimitado(cy - r) - 1, 0), j1 = std::min(pisoLimitado(cy + r) + 1, altura_ - 1);
    // Columns i0..i1 split at the centre: right of it the arcs are taken at
    // column centres on top and at column edges below, left of it the other
    // way round.
    const int meio = std::clamp(ultimoCentro(cx), i0 - 1, i1);  // last column whose centre is not right of cx
    auto arco = [&](int j, int a, int b) {
      a = std::max(a, i0);
      b = std::min(b, i1);
      if (a <= b) trecho(j, a, b, contorno);
    };
    const double infinito = std::numeric_limits<double>::infinity();
    double bordaDeCima = meia(j0 - cy);
    for (int j = j0; j <= j1; ++j) {
      const double d = j + 0.5 - cy;
      const double noCentro = meia(d), bordaDeBaixo = meia(j + 1 - cy);
      if (preenchimento != nullptr && std::abs(d) <= r) {
        trecho(j, primeiroCentro(cx - noCentro), ultimoCentro(cx + noCentro), *preenchimento);
      }
      if (std::abs(d) <= oitavo) {
        ponto(pisoLimitado(cx - (d > 0 ? noCentro : bordaDeCima)), j, contorno);
        ponto(pisoLimitado(cx + (d < 0 ? noCentro : bordaDeCima)), j, contorno);
      }
      // The flat arcs reach only rows whose edges' half chords come within
      // the flat columns.
      if (std::min(bordaDeCima, bordaDeBaixo) > oitavo + 1) {
        bordaDeCima = bordaDeBaixo;
        continue;
      }
      // Upper arc, where the row's upper edge lies above the centre: half
      // chords in [bordaDeCima, limite), limite open when the lower edge is
      // past the centre too.
      if (j < cy) {
        const double limite = j + 1 < cy ? bordaDeBaixo : infinito;
        arco(j, std::max(primeiroCentro(cx + bordaDeCima), meio + 1),
             limite == infinito ? i1 : primeiroCentro(cx + limite) - 1);
        arco(j, limite == infinito ? i0 : pisoLimitado(cx - limite) + 1, std::min(pisoLimitado(cx - bordaDeCima), meio));
      }
      // Lower arc, where the row's lower edge lies below the centre: half
      // chords in (bordaDeBaixo, limite], limite open when the upper edge is
      // above the centre too.
      if (j + 1 > cy) {
        const double limite = j > cy ? bordaDeCima : infinito;
        arco(j, limite == infinito ? i0 : primeiroCentro(cx - limite), std::min(primeiroCentro(cx - bordaDeBaixo) - 1, meio));
        arco(j, std::max(pisoLimitado(cx + bordaDeBaixo) + 1, meio + 1), limite == infinito ? i1 : pisoLimitado(cx + limite));
      }
      bordaDeCima = bordaDeBaixo;
    }
  } else if (fino && preenchimento != nullptr && cx - r - 1 >= 0 && cy - r - 1 >= 0 && cx + r + 1 < largura_ &&
             cy + r + 1 < altura_) {
    // The figures' many small filled circles, wholly inside the image: the
    // same pixels as below, written straight into the rows with no clipping,
    // each row's fill span and steep outline pixels from one pass.
    const QRgb fundo = *preenchimento;
    const double alto = std::max(r, oitavo);
    const int j0 = -piso(0.5 - (cy - alto)), j1 = piso(cy + alto - 0.5);
    for (int j = j0; j <= j1; ++j) {
      const double d = j + 0.5 - cy;
      const double noCentro = meia(d);
      QRgb* linha = linhaDaImagem(j);
      if (std::abs(d) <= r) {
        const int a = -piso(0.5 - (cx - noCentro)), b = piso(cx + noCentro - 0.5);
        corre(linha + a, b - a + 1, fundo);
      }
      if (std::abs(d) <= oitavo) {
        const double naBorda = meia(j - cy);
        linha[piso(cx - (d > 0 ? noCentro : naBorda))] = contorno;
        linha[piso(cx + (d < 0 ? noCentro : naBorda))] = contorno;
      }
    }
    const int i0 = -piso(0.5 - (cx - oitavo)), i1 = piso(cx + oitavo - 0.5);
    const double r2 = r * r;
    for (int i = i0; i <= i1; ++i) {
      const double centro = i + 0.5 - cx, borda = i - cx;
      double emCima, emBaixo;
      MeiasCordas(r2, centro > 0 ? centro : borda, centro < 0 ? centro : borda, emCima, emBaixo);
      linhaDaImagem(piso(cy - emCima))[i] = contorno;
      linhaDaImagem(piso(cy + emBaixo))[i] = contorno;
    }
  } else if (!fino && preenchimento != nullptr && cx - alcance >= 0 && cy - alcance >= 0 && cx + alcance < largura_ &&
             cy + alcance < altura_) {
    // A filled circle with a wide outline, wholly inside the image: the
    // pixels of the fill and the ring below, in one pass over the rows. The
    // ring covers every fill pixel outside its inner edge, so each row is
    // the ring's part left of the inner edge, the fill between, and the
    // ring's part right of it; or the ring's whole span where the row misses
    // the inner edge.
    const QRgb fundo = *preenchimento;
    const double fora = r + h, dentro = r - h;
    const int j0 = -piso(0.5 - (cy - fora)), j1 = piso(cy + fora - 0.5);
    for (int j = j0; j <= j1; ++j) {
      const double d = j + 0.5 - cy;
      const double t = std::sqrt(std::max(0.0, fora * fora - d * d));
      const double s2 = dentro > 0 ? dentro * dentro - d * d : -1;
      QRgb* linha = linhaDaImagem(j);
      const int a = -piso(0.5 - (cx - t)), b = piso(cx + t - 0.5);
      if (s2 <= 0) {
        for (int i = a; i <= b; ++i) linha[i] = contorno;
      } else {
        const double s = std::sqrt(s2);
        const int e = piso(cx - s - 0.5), f = -piso(0.5 - (cx + s));
        for (int i = a; i <= e; ++i) linha[i] = contorno;
        for (int i = e + 1; i < f; ++i) linha[i] = fundo;
        for (int i = f; i <= b; ++i) linha[i] = contorno;
      }
    }
    return;
  } else {
    if (preenchimento != nullptr) {
      // With a one-pixel outline, the rows of its steep part are drawn with the
      // fill, sharing a square root.
      linhas(fino ? std::max(r, oitavo) : r, [&](int j, double d) {
        const double noCentro = meia(d);
        if (std::abs(d) <= r) trecho(j, primeiroCentro(cx - noCentro), ultimoCentro(cx + noCentro), *preenchimento);
        if (fino && std::abs(d) <= oitavo) {
          const double naBorda = meia(j - cy);
          ponto(pisoLimitado(cx - (d > 0 ? noCentro : naBorda)), j, contorno);
          ponto(pisoLimitado(cx + (d < 0 ? noCentro : naBorda)), j, contorno);
        }
      });
    }
    if (fino) {
      // The same rule, the flat arcs column by column.
      const int i0 = std::max(primeiroCentro(cx - oitavo), 0), i1 = std::min(ultimoCentro(cx + oitavo), largura_ - 1);
      for (int i = i0; i <= i1; ++i) {
        const double centro = i + 0.5 - cx, borda = i - cx;
        ponto(i, pisoLimitado(cy - meia(centro > 0 ? centro : borda)), contorno);
        ponto(i, pisoLimitado(cy + meia(centro < 0 ? centro : borda)), contorno);
      }
      if (preenchimento == nullptr) {
        linhas(oitavo, [&](int j, double d) {
          const double borda = j - cy;
          ponto(pisoLimitado(cx - meia(d > 0 ? d : borda)), j, contorno);
          ponto(pisoLimitado(cx + meia(d < 0 ? d : borda)), j, contorno);
        });
      }
    }
  }
  if (!fino) {
    // The ring of pixels whose centres lie within h of the circle.
    const double fora = r + h, dentro = r - h;
    linhas(fora, [&](int j, double d) {
      const double t = std::sqrt(std::max(0.0, fora * fora - d * d));
      const double s2 = dentro > 0 ? dentro * dentro - d * d : -1;
      if (s2 <= 0) {
        trecho(j, primeiroCentro(cx - t), ultimoCentro(cx + t), contorno);
      } else {
        const double s = std::sqrt(s2);
        trecho(j, primeiroCentro(cx - t), ultimoCentro(cx - s), contorno);
        trecho(j, primeiroCentro(cx + s), ultimoCentro(cx + t), contorno);
      }
    });
  }
}

QRect Rasteriser::poligono(const QPointF* cantos, int quantos, const QRgb* preenchimento, QRgb contorno,
                           int largura) {
  if (bits_ == nullptr || quantos < 2) return {};
  double x0 = cantos[0].x(), x1 = x0, y0 = cantos[0].y(), y1 = y0;
  for (int k = 1; k < quantos; ++k) {
    x0 = std::min(x0, cantos[k].x());
    x1 = std::max(x1, cantos[k].x());
    y0 = std::min(y0, cantos[k].y());
    y1 = std::max(y1, cantos[k].y());
  }
  if (!std::isfinite(x0 + x1 + y0 + y1)) return {};
  const int j0 = std::max(primeiroCentro(y0), 0), j1 = std::min(ultimoCentro(y1), altura_ - 1);
  if (preenchimento != nullptr && quantos >= 3 && j0 <= j1) {
    // Scanlines through the pixel centres; a pixel is inside when its centre
    // is, by the odd-even rule, the edges taken half-open in y.
    struct Aresta {
      double yMin, yMax, x0, y0, dxdy;
    };
    Aresta naPilha[MaxCantos];
    double xsNaPilha[MaxCantos];
    std::vector<Aresta> arestasNoMonte;
    std::vector<double> xsNoMonte;
    Aresta* arestas = naPilha;
    double* xs = xsNaPilha;
    if (quantos > MaxCantos) {
      arestasNoMonte.resize(static_cast<std::size_t>(quantos));
      xsNoMonte.resize(static_cast<std::size_t>(quantos));
      arestas = arestasNoMonte.data();
      xs = xsNoMonte.data();
    }
    int n = 0;
    for (int k = 0; k < quantos; ++k) {
      const QPointF& p = cantos[k];
      const QPointF& q = cantos[(k + 1) % quantos];
      // Edges that cross no row centre take no part.
      if (primeiroCentro(std::min(p.y(), q.y())) > ultimoCentro(std::max(p.y(), q.y()))) continue;
      arestas[n++] = {std::min(p.y(), q.y()), std::max(p.y(), q.y()), p.x(), p.y(), (q.x() - p.x()) / (q.y() - p.y())};
    }
    for (int j = j0; j <= j1; ++j) {
      const double yc = j + 0.5;
      int cruzamentos = 0;
      for (int k = 0; k < n; ++k) {
        const Aresta& e = arestas[k];
        if (e.yMin <= yc && yc < e.yMax) xs[cruzamentos++] = e.x0 + (yc - e.y0) * e.dxdy;
      }
      if (cruzamentos == 2) {
        if (xs[0] > xs[1]) std::swap(xs[0], xs[1]);
      } else {
        std::sort(xs, xs + cruzamentos);
      }
      for (int k = 0; k + 1 < cruzamentos; k += 2) {
        // Centres in [a, b).
        trecho(j, primeiroCentro(xs[k]), primeiroCentro(xs[k + 1]) - 1, *preenchimento);
      }
    }
  }
  // The outline; when the polygon lies within the image's margin no edge
  // needs cutting.
  const double m = largura + 2.0;
  const bool dentro = x0 >= -m && y0 >= -m && x1 <= largura_ + m && y1 <= altura_ + m;
  for (int k = 0; k < quantos; ++k) {
    const QPointF& p = cantos[k];
    const QPointF& q = cantos[(k + 1) % quantos];
    if (!dentro) {
      linha(p.x(), p.y(), q.x(), q.y(), largura, contorno);
    } else if (largura <= 1) {
      linhaFina(p.x(), p.y(), q.x(), q.y(), contorno);
    } else {
      linhaLarga(p.x(), p.y(), q.x(), q.y(), largura, contorno);
    }
  }
  const double h = largura / 2.0 + 1;
  return recorta(x0 - h, y0 - h, x1 + h, y1 + h);
}

QRect Rasteriser::quadrado(int x, int y, int lado, QRgb cor) {
  if (bits_ == nullptr) return {};
  if (lado == 1) {
    if (static_cast<unsigned>(x) >= static_cast<unsigned>(largura_) ||
        static_cast<unsigned>(y) >= static_cast<unsigned>(altura_)) {
      return {};
    }
    linhaDaImagem(y)[x] = cor;
    return QRect(x, y, 1, 1);
  }
  const int a = std::max(x, 0), b = std::max(y, 0);
  const int c = std::min(x + lado, largura_) - 1, d = std::min(y + lado, altura_) - 1;
  if (a > c || b > d) return {};
  if (lado == 2 && c == a + 1 && d == b + 1) {
    // A point at ratio 2, wholly inside.
    QRgb* cima = linhaDaImagem(b) + a;
    QRgb* baixo = linhaDaImagem(b + 1) + a;
    cima[0] = cima[1] = baixo[0] = baixo[1] = cor;
    return QRect(a, b, 2, 2);
  }
  const QRect r(QPoint(a, b), QPoint(c, d));
  for (int j = r.top(); j <= r.bottom(); ++j) std::fill(linhaDaImagem(j) + r.left(), linhaDaImagem(j) + r.right() + 1, cor);
  return r;
}

}  // namespace velquora
