// Writes the application icon into a hicolor theme tree at the sizes a desktop asks for:
// OUTDIR/NxN/apps/NAME.png, drawn at each size rather than scaled from one.
// Usage: handfall_render_icons OUTDIR NAME SIZE...
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "ui/art/icon_art.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUTDIR NAME SIZE...\n", argv[0]);
        return 2;
    }
    // The corner letters need the font database, which needs an application object.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString strOut = QString::fromLocal8Bit(argv[1]);
    const QString strName = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int nSize = std::atoi(argv[i]);
        if (nSize < 16 || nSize > 1024) {
            std::fprintf(stderr, "bad size: %s\n", argv[i]);
            return 2;
        }
        const QString strDir = QString("%1/%2x%2/apps").arg(strOut).arg(nSize);
        const QString strFile = strDir + "/" + strName + ".png";
        if (!QDir().mkpath(strDir) || !RenderAppIconImage(nSize).save(strFile, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(strFile));
            return 1;
        }
    }
    return 0;
}
