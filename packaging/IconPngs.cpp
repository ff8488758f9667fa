// Renders the program's SVG icon into the PNG sizes of the hicolor theme, so
// the pictures are made from the one drawing and never drift from it.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fputs("Aufruf: nivora_icon_pngs SVG ZIELORDNER GROESSE...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "SVG nicht lesbar: %s\n", argv[1]);
        return 1;
    }
    svg.setAspectRatioMode(Qt::KeepAspectRatio);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        if (size <= 0) return 2;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            svg.render(&painter);
        }
        const QString out = QStringLiteral("%1/nivora-%2.png").arg(folder).arg(size);
        if (!image.save(out, "PNG")) {
            std::fprintf(stderr, "nicht geschrieben: %s\n", qPrintable(out));
            return 1;
        }
    }
    return 0;
}
