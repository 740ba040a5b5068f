#pragma once

#include <QFont>

class QWidget;

namespace forms {

// Fonts are requested as the classic forms name them: a family and a character height in pixels.
// Where this system lacks a requested family, a metric-compatible stand-in takes its place:
// "MS Sans Serif" is drawn in "Liberation Sans", "Times New Roman" in "Liberation Serif".
//
// The windows' fonts name the stand-in itself rather than leave it to Qt's substitution: for a
// family that is not installed, Qt asks fontconfig for fallbacks (a sort of every installed font)
// each time it loads the font, which cost the calculator window's start-up more than anything
// else it draws.

// Registers each stand-in with QFont::insertSubstitution for the families this system lacks, when
// the stand-in is installed. Call once after the application object exists; Application does it.
void installFontSubstitutions();

// Sets the character height of `widget`'s own font in pixels (the classic form's font height:
// 11 px is 8 pt, 15 px is 11 pt at 96 dpi), keeping its style, and names the font's family by the
// stand-in registered for it, if one is. Used by the fontPixelSize
// properties, since a .ui file can only give a font's size in points; a .ui file sets a control's
// font and then its fontPixelSize.
void setFontPixelSize(QWidget &widget, int pixels);

// The classic forms' default font: MS Sans Serif at 11 px, named by its stand-in as above.
QFont defaultFormFont();

} // namespace forms
