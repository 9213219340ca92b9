#pragma once
// What the tests that run the real program in an X server ask of that server:
// xdotool for finding and driving windows, and a connection of their own for
// window properties and for closing a window as its close button does.

#include <xcb/xcb.h>

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QWindow>
#include <cstdlib>
#include <cstring>

namespace velquora {

// xdotool's output, trimmed; empty when it does not answer within 10 s.
inline QString xdotool(const QStringList& argumentos) {
  QProcess p;
  p.start(QStringLiteral("xdotool"), argumentos);
  if (!p.waitForFinished(10000)) return {};
  return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// Visible top-level windows whose caption is exactly `nome`.
inline QList<WId> janelas(const QString& nome) {
  QList<WId> ids;
  const QString saida = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                 QLatin1Char('^') + QRegularExpression::escape(nome) + QLatin1Char('$')});
  for (const QString& linha : saida.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) ids << linha.toULongLong();
  return ids;
}

class ConexaoX {
 public:
  ConexaoX() : c_(xcb_connect(nullptr, nullptr)) { raiz_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root; }
  ~ConexaoX() { xcb_disconnect(c_); }
  ConexaoX(const ConexaoX&) = delete;
  ConexaoX& operator=(const ConexaoX&) = delete;

  xcb_connection_t* conexao() const { return c_; }
  xcb_window_t raiz() const { return raiz_; }

  xcb_atom_t atomo(const char* nome) {
    auto* r = xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, std::strlen(nome), nome), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(r);
    return a;
  }

  // The bytes of a window property; empty when it is not set.
  QByteArray propriedade(xcb_window_t janela, xcb_atom_t nome) {
    auto* r = xcb_get_property_reply(c_, xcb_get_property(c_, 0, janela, nome, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 20),
                                     nullptr);
    if (r == nullptr) return {};
    const QByteArray valor(static_cast<const char*>(xcb_get_property_value(r)), xcb_get_property_value_length(r));
    std::free(r);
    return valor;
  }

  // The 32-bit values of a window property; empty when it is not set.
  QList<quint32> cardinais(xcb_window_t janela, const char* nome) {
    const QByteArray bytes = propriedade(janela, atomo(nome));
    QList<quint32> valores;
    for (qsizetype i = 0; i + 4 <= bytes.size(); i += 4) {
      quint32 v;
      std::memcpy(&v, bytes.constData() + i, 4);
      valores << v;
    }
    return valores;
  }

  // Asks the window to close, as the close button of its frame does; returns
  // once the server has taken the request.
  void pedeFechamento(xcb_window_t janela) {
    xcb_client_message_event_t ev{};
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = janela;
    ev.type = atomo("WM_PROTOCOLS");
    ev.data.data32[0] = atomo("WM_DELETE_WINDOW");
    ev.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c_, 0, janela, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&ev));
    std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));
  }

 private:
  xcb_connection_t* c_;
  xcb_window_t raiz_;
};

}  // namespace velquora
