// calculator_artgen: draws the calculator window's pictures and the program icon.
//
//   calculator_artgen <art-folder> [--preview <folder>]
//
// writes <art-folder>/calculator/*.jpg|bmp and <art-folder>/icon/*.png|ico, and with --preview
// also a mock-up of the window per shape family to check the pictures in place.
#include "CalculatorArtGenerator.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

#include <exception>

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Draws the calculator window's pictures and the program icon.");
    parser.addHelpOption();
    parser.addPositionalArgument("art-folder", "The repository's art folder (holds calculator/ "
                                               "and icon/).");
    const QCommandLineOption preview("preview", "Also write window mock-ups into <folder>.",
                                     "folder");
    parser.addOption(preview);
    parser.process(application);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    QTextStream out(stdout);
    try {
        const QDir artFolder(parser.positionalArguments().constFirst());
        for (const QString &path : CalculatorArtGenerator::writePictures(artFolder))
            out << "wrote " << path << '\n';
        if (parser.isSet(preview))
            for (const QString &path :
                 CalculatorArtGenerator::writePreviews(artFolder, QDir(parser.value(preview))))
                out << "wrote " << path << '\n';
    } catch (const std::exception &error) {
        QTextStream(stderr) << "calculator_artgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
