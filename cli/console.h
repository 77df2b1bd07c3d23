#pragma once

#include <QString>

class QIODevice;

// The command line's standard output and standard error. Standard output gets results, one
// line each; standard error gets messages, each starting with "zandrift: ", and, when it is
// a terminal, one progress line redrawn in place, cleared before any message or result.
class Console {
public:
    Console(QIODevice& out, QIODevice& err, bool errorIsTerminal);

    // A line on standard output, the progress line cleared first.
    void print(const QString& line);
    // "zandrift: " and the message on standard error; a message of several lines stays so.
    void tell(const QString& message);
    // Draws `text` as the progress line, in place of the last one; nothing when standard
    // error is no terminal.
    void showProgress(const QString& text);
    void clearProgress();
    // Whether every line so far reached standard output (a full disk makes it fail); the
    // output device is to be unbuffered.
    bool outputWritten() const { return !outputFailed; }

private:
    void write(QIODevice& device, const QString& text);

    QIODevice& out;
    QIODevice& err;
    bool errorIsTerminal;
    bool progressShown = false;
    bool outputFailed = false;
};
