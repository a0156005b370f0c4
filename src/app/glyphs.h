#pragma once

#include <QIcon>
#include <QPixmap>

// The program's images, drawn in code so the executable carries them wherever it is
// copied: 16 x 16 button glyphs and the 32 x 32 application icon.
namespace tervano::app::glyphs {

QPixmap magnifier(); // BtnBuscar
QPixmap printer();   // BtnImprimir
QPixmap door();      // BtnSair

// The grey copy a button shows while it is disabled.
QPixmap greyed(const QPixmap& image);

// A button icon: the image, and its grey copy for the disabled state when asked for.
QIcon buttonIcon(const QPixmap& image, bool withDisabledImage);

// Grey database cylinder with a blue magnifier badge at the lower right.
QPixmap applicationImage();
QIcon applicationIcon();

} // namespace tervano::app::glyphs
