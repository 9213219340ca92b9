#pragma once
// Every window of the program exists at most once. A slot holds that one
// instance: the first show creates it, later shows reuse it and bring it to
// the front. When the user closes the window it is destroyed, and the next
// show creates it again, so it loads as new.

#include <QPointer>
#include <functional>

namespace velquora {

template <class T>
class WindowSlot {
 public:
  using Fabrica = std::function<T*()>;

  explicit WindowSlot(Fabrica fabrica = [] { return new T; }) : fabrica_(std::move(fabrica)) {}

  T& Show() {
    if (instancia() == nullptr) janela_ = fabrica_();
    janela_->mostra();
    return *janela_;
  }

  // The live instance, or null when there is none (never shown, or closed).
  T* instancia() const { return janela_ && !janela_->fechado() ? janela_.data() : nullptr; }

 private:
  Fabrica fabrica_;
  QPointer<T> janela_;
};

// The one slot of a window class.
template <class T>
WindowSlot<T>& SlotDe() {
  static WindowSlot<T> slot;
  return slot;
}

template <class T>
T& Mostra() {
  return SlotDe<T>().Show();
}

}  // namespace velquora
