#pragma once
// A canvas that draws nothing and records every call, in order, with the
// fill and pen state each primitive was drawn with.

#include <optional>
#include <vector>

#include "surface/canvas.h"

namespace velquora::teste {

struct LinhaGravada {
  float x1, y1, x2, y2;
  std::optional<Cor> cor;
  int largura;
};

struct CirculoGravado {
  float x, y, raio;
  std::optional<Cor> cor;
  int estilo;
  Cor preenchimento;
};

struct PontoGravado {
  float x, y;
  Cor cor;
};

struct PoligonoGravado {
  std::vector<PontoPixel> pontos;
  int estilo;
  Cor preenchimento;
};

class RecordingCanvas : public Canvas {
 public:
  enum Tipo { Linha, Circulo, Ponto, Poligono, Atualizacao };

  std::vector<LinhaGravada> linhas;
  std::vector<CirculoGravado> circulos;
  std::vector<PontoGravado> pontos;
  std::vector<PoligonoGravado> poligonos;
  // The kind of every call, in order, Refresh included.
  std::vector<Tipo> ordem;

  int estilo = 1;
  Cor preenchimento = 0;
  int largura = 1;

  void setFillStyle(int e) override { estilo = e; }
  void setFillColor(Cor c) override { preenchimento = c; }
  void setDrawWidth(int l) override { largura = l; }
  void Refresh() override { ordem.push_back(Atualizacao); }

  void limpa() { *this = RecordingCanvas(); }

 protected:
  void desenhaLinha(float x1, float y1, float x2, float y2, std::optional<Cor> cor) override {
    linhas.push_back({x1, y1, x2, y2, cor, largura});
    ordem.push_back(Linha);
  }
  void desenhaCirculo(float x, float y, float raio, std::optional<Cor> cor) override {
    circulos.push_back({x, y, raio, cor, estilo, preenchimento});
    ordem.push_back(Circulo);
  }
  void desenhaPonto(float x, float y, Cor cor) override {
    pontos.push_back({x, y, cor});
    ordem.push_back(Ponto);
  }
  void desenhaPoligono(const PontoPixel* p, int n) override {
    poligonos.push_back({std::vector<PontoPixel>(p, p + n), estilo, preenchimento});
    ordem.push_back(Poligono);
  }
};

}  // namespace velquora::teste
