#include "CalculatorArtGenerator.h"

#include "BackgroundPainter.h"
#include "BrandPainter.h"
#include "GlyphPainter.h"
#include "IcoContainer.h"
#include "IconPainter.h"
#include "ImageFiles.h"
#include "PanelPreview.h"
#include "SectionDrawingPainter.h"
#include "ShapePicturePainter.h"

#include <stdexcept>

namespace {

constexpr int jpegQuality = 90;

struct FamilyFiles
{
    SectionFamily family;
    const char *drawing;
    const char *shape;
    const char *preview;
};

constexpr FamilyFiles familyFiles[] = {
    {SectionFamily::Square, "drawing-square.jpg", "shape-square.bmp", "preview-square.png"},
    {SectionFamily::Rectangular, "drawing-rectangular.jpg", "shape-rectangular.bmp",
     "preview-rectangular.png"},
    {SectionFamily::Round, "drawing-round.jpg", "shape-round.bmp", "preview-round.png"},
};

QDir existingSubfolder(const QDir &parent, const QString &name)
{
    QDir folder(parent.filePath(name));
    if (!folder.exists())
        throw std::runtime_error(
            QStringLiteral("missing folder %1").arg(folder.path()).toStdString());
    return folder;
}

} // namespace

QStringList CalculatorArtGenerator::writePictures(const QDir &artDirectory)
{
    const QDir calculator = existingSubfolder(artDirectory, QStringLiteral("calculator"));
    const QDir icon = existingSubfolder(artDirectory, QStringLiteral("icon"));
    QStringList written;
    auto path = [&written](const QDir &folder, const QString &name) {
        written.append(folder.filePath(name));
        return written.last();
    };

    const QImage background = BackgroundPainter::paint();
    ImageFiles::saveJpeg(background, path(calculator, "background.jpg"), jpegQuality);
    for (const FamilyFiles &files : familyFiles) {
        ImageFiles::saveJpeg(SectionDrawingPainter::paint(files.family),
                             path(calculator, files.drawing), jpegQuality);
        ImageFiles::saveBmp24(ShapePicturePainter::paint(files.family, background),
                              path(calculator, files.shape));
    }
    ImageFiles::saveBmp24(BrandPainter::logo(), path(calculator, "logo.bmp"));
    ImageFiles::saveBmp24(BrandPainter::companyNamePicture(), path(calculator, "company-name.bmp"));
    ImageFiles::saveBmp24(GlyphPainter::calculator(), path(calculator, "glyph-calc.bmp"));
    ImageFiles::saveBmp24(GlyphPainter::web(), path(calculator, "glyph-web.bmp"));

    QList<IcoContainer::Image> iconImages;
    for (int size : IconPainter::sizes()) {
        const QByteArray png = ImageFiles::pngBytes(IconPainter::paint(size));
        ImageFiles::saveBytes(png, path(icon, QStringLiteral("icon-%1.png").arg(size)));
        iconImages.append({size, png});
    }
    ImageFiles::saveBytes(IcoContainer::build(iconImages), path(icon, "tube-weight.ico"));
    return written;
}

QStringList CalculatorArtGenerator::writePreviews(const QDir &artDirectory,
                                                  const QDir &previewDirectory)
{
    const QDir calculator = existingSubfolder(artDirectory, QStringLiteral("calculator"));
    QStringList written;
    for (const FamilyFiles &files : familyFiles) {
        const QString target = previewDirectory.filePath(files.preview);
        if (!PanelPreview::compose(calculator, files.family).save(target, "png"))
            throw std::runtime_error(QStringLiteral("cannot write %1").arg(target).toStdString());
        written.append(target);
    }
    return written;
}
