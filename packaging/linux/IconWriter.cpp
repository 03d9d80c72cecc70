// Build tool: writes the application icon as PNG files of the hicolor icon theme,
// <folder>/<size>x<size>/apps/<name>.png for every size given.
#include "app/Icons.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Drawing needs no screen; the build may run where there is none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: %s FOLDER NAME SIZE...\n", argv[0]);
        return 2;
    }
    const QString folder = arguments.at(1);
    const QString name = arguments.at(2);
    for (const QString &sizeText : arguments.mid(3)) {
        const int size = sizeText.toInt();
        const QString sizeFolder = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (size <= 0 || !QDir().mkpath(sizeFolder)
            || !app::applicationIconPicture(size).save(sizeFolder + QLatin1Char('/') + name + QStringLiteral(".png"))) {
            std::fprintf(stderr, "cannot write the %s pixel icon into %s\n", qPrintable(sizeText), qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
