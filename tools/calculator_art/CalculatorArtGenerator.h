#pragma once

#include <QDir>
#include <QStringList>

// Draws every picture of the calculator window and the program icon and writes them where the
// program's resources take them from. The output depends on nothing but the installed fonts.
class CalculatorArtGenerator
{
public:
    // Writes into artDirectory/calculator and artDirectory/icon (which must exist) and returns
    // the paths written. Throws std::runtime_error on the first file that cannot be written.
    static QStringList writePictures(const QDir &artDirectory);

    // Writes one window mock-up per shape family into previewDirectory, made from the pictures
    // already in artDirectory/calculator. Returns the paths written; throws like writePictures.
    static QStringList writePreviews(const QDir &artDirectory, const QDir &previewDirectory);
};
