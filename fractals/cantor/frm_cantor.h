#pragma once

#include <cstdint>

#include "fractals/cantor/cantor.h"
#include "fractals/shell/single_level_window.h"

namespace velquora {

// The Cantor set of one level, 0 to 6, on the line y = 3200 twips of Figura.
class frmCantor : public SingleLevelWindow, public ConjuntoCantor {
  Q_OBJECT

 public:
  frmCantor();

 protected:
  void botGerar_Click() override;
  void TracaSegmento(std::int32_t nivel) override;
};

}  // namespace velquora
