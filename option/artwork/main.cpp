// zuro_artgen: draws the skin of the configuration application and the firmware
// upgrader from the layout tables and the style description, into the run tree.
//
//   zuro_artgen --style-file style.json --out DIST [--preview FOLDER] [--scale N]

#include "option/artwork/ArtworkWriter.h"
#include "option/artwork/Style.h"

#include <QCommandLineParser>
#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the application's skin into the run tree."));
    parser.addHelpOption();
    const QCommandLineOption styleOption(QStringLiteral("style-file"), QStringLiteral("Style description."),
                                         QStringLiteral("file"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Run tree (program folder)."),
                                       QStringLiteral("folder"));
    const QCommandLineOption previewOption(QStringLiteral("preview"), QStringLiteral("Folder for previews."),
                                           QStringLiteral("folder"));
    const QCommandLineOption scaleOption(QStringLiteral("scale"), QStringLiteral("Drawing scale (1 or 2)."),
                                         QStringLiteral("n"), QStringLiteral("1"));
    parser.addOptions({styleOption, outOption, previewOption, scaleOption});
    parser.process(app);
    if (!parser.isSet(styleOption) || !parser.isSet(outOption)) {
        std::fprintf(stderr, "zuro_artgen: --style-file and --out are required\n");
        return 2;
    }
    bool scaleOk = false;
    const double scale = parser.value(scaleOption).toDouble(&scaleOk);
    if (!scaleOk || scale < 1 || scale > 4) {
        std::fprintf(stderr, "zuro_artgen: --scale must be between 1 and 4\n");
        return 2;
    }

    QString error;
    const std::optional<artgen::Style> style = artgen::Style::load(parser.value(styleOption), error);
    if (!style) {
        std::fprintf(stderr, "zuro_artgen: %s\n", qPrintable(error));
        return 1;
    }
    const QStringList families = QFontDatabase::families();
    for (const QString& family : style->fontFamilies())
        if (!families.contains(family))
            std::fprintf(stderr, "zuro_artgen: warning: font \"%s\" is not installed; another face stands in\n",
                         qPrintable(family));

    artgen::ArtworkWriter writer(*style, scale, parser.value(outOption));
    QStringList errors;
    if (writer.writeAll(errors) && parser.isSet(previewOption))
        writer.writePreviews(parser.value(previewOption), errors);
    for (const QString& message : errors)
        std::fprintf(stderr, "zuro_artgen: %s\n", qPrintable(message));
    return errors.isEmpty() ? 0 : 1;
}
