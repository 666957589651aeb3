// Writes the application icon at the sizes a desktop asks for, drawn at each size rather than
// scaled from one: as a hicolor theme tree, OUTDIR/NxN/apps/NAME.png, or with --raw as the bare
// pixels OUTDIR/NAME-NxN.argb (premultiplied 32-bit ARGB in the machine's byte order), which the
// game carries so that it can show its icon without drawing or decoding it.
// Usage: handfall_render_icons [--raw] OUTDIR NAME SIZE...
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/art/icon_art.h"

namespace {

bool WriteRaw(const QImage& image, const QString& strFile) {
    QFile file(strFile);
    const auto nBytes = static_cast<qint64>(image.sizeInBytes());
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(image.constBits()), nBytes) == nBytes;
}

}  // namespace

int main(int argc, char** argv) {
    const bool bRaw = argc > 1 && std::strcmp(argv[1], "--raw") == 0;
    const int nFirst = bRaw ? 2 : 1;
    if (argc < nFirst + 3) {
        std::fprintf(stderr, "usage: %s [--raw] OUTDIR NAME SIZE...\n", argv[0]);
        return 2;
    }
    // The corner letters need the font database, which needs an application object.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString strOut = QString::fromLocal8Bit(argv[nFirst]);
    const QString strName = QString::fromLocal8Bit(argv[nFirst + 1]);
    for (int i = nFirst + 2; i < argc; ++i) {
        const int nSize = std::atoi(argv[i]);
        if (nSize < 16 || nSize > 1024) {
            std::fprintf(stderr, "bad size: %s\n", argv[i]);
            return 2;
        }
        const QString strDir =
            bRaw ? strOut : QString("%1/%2x%2/apps").arg(strOut).arg(nSize);
        const QString strFile = bRaw ? QString("%1/%2-%3x%3.argb").arg(strDir, strName).arg(nSize)
                                     : strDir + "/" + strName + ".png";
        const QImage image = RenderAppIconImage(nSize);
        if (!QDir().mkpath(strDir) ||
            !(bRaw ? WriteRaw(image, strFile) : image.save(strFile, "PNG"))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(strFile));
            return 1;
        }
    }
    return 0;
}
