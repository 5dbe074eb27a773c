#pragma once

#include <QString>

class QQmlEngine;

namespace tolvaran::ui {

// Lets engine find the views of Tolvaran.Ui in the program's resources. Call
// once on every engine before it loads a view.
void prepareEngine(QQmlEngine& engine);

// Qt Quick's OpenGL renderer draws the whole window on every frame, which
// costs little on a graphics card. Where OpenGL is itself drawn by the
// processor (llvmpipe and its kin: virtual machines, remote sessions, no
// driver), Qt Quick's software renderer, which redraws only what changed,
// costs a fraction of it; the overlay animates for whole calls. Call once
// before the first window; a renderer the user chose through QT_QUICK_BACKEND
// or QSG_RHI_BACKEND stands. The OpenGL driver is asked in a child process
// (the program itself, run with openGLProbeVariable set), so that a processor
// rasterizer never stays loaded in the program: llvmpipe maps about 50 MB of
// LLVM that no window would use.
void chooseRenderer();

inline constexpr char openGLProbeVariable[] = "TOLVARAN_OPENGL_PROBE";
// The child's side: prints the renderer name (GL_RENDERER) of a fresh OpenGL
// context and returns 0, or returns 1 when none can be made.
int printOpenGLRenderer(int argc, char* argv[]);

// Whether an OpenGL renderer name (GL_RENDERER) is a processor-drawn one.
bool isSoftwareRasterizer(const QString& glRenderer);

} // namespace tolvaran::ui
