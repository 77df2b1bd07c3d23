#pragma once

#include "movers/rules/rule_file.h"

// What the kinds that write JSON (Firebase, Vercel) share.

// The text a JSON kind writes for a redirect's source or destination.
using RedirectText = QString (*)(const Redirect&);

// How a JSON kind writes its file: around the list of redirects, which stands after `indent`,
// the file's text `before` it and `after` it; in each redirect's object the source and
// destination, then `permanence` (`"type": 301`).
struct JsonKind {
    QString file;
    CannotHold cannotHold;
    RedirectLimit limit;
    RedirectText source = nullptr;
    RedirectText destination = nullptr;
    QByteArray permanence;
    QByteArray before;
    QByteArray indent;
    QByteArray after;
};

// The file of the redirects that `kind` holds (HeldRedirects), one object to a line so that
// they can be merged by hand, the closing bracket after `indent`; "[]" when there are none.
// The texts are JavaScriptString literals, whose only escapes ("\\", "\"" and "\uXXXX") JSON
// shares: so the file is ASCII, and no invisible character hides in it.
ServerRules JsonRules(const JsonKind& kind, const QList<Redirect>& redirects);
