// portfolio_artgen: draws the pictures of the portfolio window.
//
//   QT_QPA_PLATFORM=offscreen portfolio_artgen <output-folder> [file-name ...]
//
// Without file names it draws every picture; with them, only those (handy while adjusting one).
// Every picture is drawn with QPainter (and a small software renderer for the shaded scenes) from
// seeded randomness only, so the same build writes the same files every time.

#include "PictureCatalogue.h"
#include "PictureFiles.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: portfolio_artgen <output-folder> [file-name ...]\n");
        return 2;
    }
    const QDir outputFolder(arguments.takeFirst());
    if (!outputFolder.exists()) {
        std::fprintf(stderr, "portfolio_artgen: no folder %s\n", qPrintable(outputFolder.path()));
        return 2;
    }

    try {
        int written = 0;
        for (const portfolio_art::PictureRecipe &recipe : portfolio_art::portfolioPictures()) {
            if (!arguments.isEmpty() && !arguments.contains(recipe.fileName))
                continue;
            const QImage picture = recipe.draw();
            if (picture.size() != recipe.size) {
                std::fprintf(stderr, "portfolio_artgen: %s came out %dx%d instead of %dx%d\n",
                             qPrintable(recipe.fileName), picture.width(), picture.height(),
                             recipe.size.width(), recipe.size.height());
                return 1;
            }
            const QString path = outputFolder.filePath(recipe.fileName);
            if (recipe.format == portfolio_art::PictureFormat::BaselineJpeg)
                portfolio_art::writeBaselineJpeg(picture, path);
            else
                portfolio_art::writeTrueColourBitmap(picture, path);
            std::printf("wrote %s\n", qPrintable(path));
            ++written;
        }
        if (written == 0) {
            std::fprintf(stderr, "portfolio_artgen: no picture matched the given names\n");
            return 1;
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "portfolio_artgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
