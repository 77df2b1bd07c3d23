// Renders the program's SVG icon to a square PNG of the given size with Qt's own SVG
// renderer, so every size of the icon comes from the one drawing and the result is the same
// on every run.
//
//   render_icon ICON.svg SIZE OUTPUT.png
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool sizeIsNumber = false;
    const int size = arguments.value(2).toInt(&sizeIsNumber);
    if (arguments.size() != 4 || !sizeIsNumber || size < 1) {
        std::fputs("usage: render_icon ICON.svg SIZE OUTPUT.png\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // 96 dots per inch whatever the machine, so the file is the same everywhere.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    if (!image.convertToFormat(QImage::Format_ARGB32).save(arguments.at(3), "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(arguments.at(3)));
        return 1;
    }
    return 0;
}
