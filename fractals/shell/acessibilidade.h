#pragma once
// How screen readers meet the program's own controls: a clickable caption
// label is a button with a press action; a drawing surface is a picture that
// takes the focus, has a name, and describes in Portuguese what it shows.

#include <QString>
#include <QtGlobal>

class QWidget;

namespace velquora {

class PictureBox;

// Registers the program's accessible interfaces with Qt, once; every window
// does it when it is made.
void InstalaAcessibilidade();

// The surface takes the focus (by Tab or a click) and gets its name; it
// shows nothing yet.
void TornaAcessivel(PictureBox* caixa, const QString& nome);

// What the surface shows now, for screen readers.
void Descreve(QWidget* caixa, const QString& descricao);

// The description of a surface with nothing drawn on it: "vazio".
QString DescricaoVazia();

// "figura: quantos peças", the count written the Brazilian way ("30.000
// pontos"), the singular for one.
QString DescreveFigura(const QString& figura, qint64 quantos, const char* singular, const char* plural);

// "Curva de Koch, nível 3".
QString FiguraDoNivel(const char* nome, int nivel);

// n to the power k, for counting the pieces of a level.
constexpr qint64 Potencia(qint64 n, int k) { return k <= 0 ? 1 : n * Potencia(n, k - 1); }

}  // namespace velquora
