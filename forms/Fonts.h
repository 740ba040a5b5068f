#pragma once

class QWidget;

namespace forms {

// Sets the character height of `widget`'s own font in pixels (the classic form's font height:
// 11 px is 8 pt, 15 px is 11 pt at 96 dpi), keeping its family and style. Used by the
// fontPixelSize properties, since a .ui file can only give a font's size in points.
void setFontPixelSize(QWidget &widget, int pixels);

// Registers a substitute for each font family that the windows request and this system lacks:
// "MS Sans Serif" becomes "Liberation Sans". ("Times New Roman" is already matched by
// fontconfig to the metric-compatible Liberation Serif.) Call once after the application object
// exists; Application does it.
void installFontSubstitutions();

} // namespace forms
