// Saves a rectangle of an X display's screen as a PNG.
//
//   grab_screen OUTPUT.png X Y WIDTH HEIGHT
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    QList<int> rectangle;
    for (const QString& number : arguments.mid(2)) {
        bool isNumber = false;
        rectangle << number.toInt(&isNumber);
        if (!isNumber) {
            rectangle.clear();
            break;
        }
    }
    if (arguments.size() != 6 || rectangle.size() != 4) {
        std::fputs("usage: grab_screen OUTPUT.png X Y WIDTH HEIGHT\n", stderr);
        return 2;
    }
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(
        0, rectangle[0], rectangle[1], rectangle[2], rectangle[3]);
    if (picture.isNull() || !picture.save(arguments.at(1), "PNG")) {
        std::fprintf(stderr, "grab_screen: cannot write %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    return 0;
}
