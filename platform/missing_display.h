#pragma once

// Ends the program with one line on standard error and exit status 1, in place of Qt's
// abort, when the window's application finds no display: none named (DISPLAY and
// WAYLAND_DISPLAY unset) or one that cannot be reached. Made just before the QApplication
// and told once it exists. Meanwhile Qt's messages are held back, so that a missing display
// prints that line alone; once the application has its display they go to the message
// handler that was there before, which is back in place. A platform plugin that is not
// installed at all (a mistyped QT_QPA_PLATFORM) is no missing display: Qt tells it as usual.
class MissingDisplayExit {
public:
    MissingDisplayExit();
    ~MissingDisplayExit();
    MissingDisplayExit(const MissingDisplayExit&) = delete;
    MissingDisplayExit& operator=(const MissingDisplayExit&) = delete;

    // The application has its display: the handler before is back, with the messages held.
    void displayOpened();

private:
    bool catching = true;
};
