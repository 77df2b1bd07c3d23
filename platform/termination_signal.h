#pragma once

class QWidget;

// Closes `window` as the user would when the program is asked to end by SIGTERM, SIGINT or
// SIGHUP (a logout, a kill, Ctrl+C in a terminal), so its shut-down runs and nothing ends
// abruptly. Does nothing where the platform has no such signals.
void closeOnTerminationSignal(QWidget& window);
