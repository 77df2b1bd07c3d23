#include "cli/console.h"

#include <QIODevice>

namespace {

// Back to the start of the line and clear it, as terminals understand it.
constexpr char kClearLine[] = "\r\x1b[K";

} // namespace

Console::Console(QIODevice& out, QIODevice& err, bool errorIsTerminal)
    : out(out), err(err), errorIsTerminal(errorIsTerminal) {}

void Console::print(const QString& line) {
    clearProgress(); // standard output and standard error may be the same terminal
    write(out, line + u'\n');
}

void Console::tell(const QString& message) {
    clearProgress();
    write(err, QStringLiteral("zandrift: ") + message + u'\n');
}

void Console::showProgress(const QString& text) {
    if (!errorIsTerminal) {
        return;
    }
    write(err, QLatin1String(kClearLine) + text);
    progressShown = true;
}

void Console::clearProgress() {
    if (progressShown) {
        write(err, QLatin1String(kClearLine));
        progressShown = false;
    }
}

void Console::write(QIODevice& device, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    if (device.write(bytes) != bytes.size() && &device == &out) {
        outputFailed = true;
    }
}
