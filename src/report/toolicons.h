#pragma once

#include <QIcon>

namespace tervano::report {

enum class ToolGlyph { Print, Pdf, ZoomIn, ZoomOut, FullScreen, PageSetup };

// The preview's tool icons: the desktop theme's when it has one, else a drawn glyph, so
// the toolbar never falls back to captions.
QIcon toolIcon(ToolGlyph glyph);

} // namespace tervano::report
