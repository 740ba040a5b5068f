#pragma once

#include "SectionFamily.h"

#include <QDir>
#include <QImage>

// A mock-up of the calculator window's client area (387 x 501) built from the written picture
// files, to judge the pictures in place: keyed grounds left undrawn, labels in their fonts at
// their places, input controls sketched. Not a picture of the program; a designer's check.
class PanelPreview
{
public:
    // calculatorArt: the folder with the written calculator pictures. family: whose drawing is in
    // front. Throws std::runtime_error when a picture cannot be read.
    static QImage compose(const QDir &calculatorArt, SectionFamily family);
};
