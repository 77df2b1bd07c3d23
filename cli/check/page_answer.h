#pragma once

#include <QString>

// Whether a page is at its new address, and if not, why.
struct PageAnswer {
    bool found = false;
    // Why the page was not found: the status code of the web server's final answer ("404"),
    // "timed out", or the network's or the file system's own error text; empty when found.
    QString reason;
};
