#pragma once

#include "movers/server_rules.h"

// What sets one kind of rules file apart; the rest is shared by all kinds (rule_file.cpp).
struct RuleSyntax {
    QByteArray opening; // the comment line saying what the file is, and any lines that follow it
    // Why this kind cannot hold the redirect safely, or an empty text when it can; none for a
    // kind that holds every redirect the others can.
    QString (*cannotHold)(const Redirect&) = nullptr;
    // The whole lines of one redirect; `number` counts the rules written, from 1.
    QByteArray (*rule)(const Redirect&, int number) = nullptr;
};

// The file's opening, then one rule for each redirect that every kind and this kind can hold;
// the others are left out with their reason. Left out by every kind: an old path that is not
// a plain path from "/" (a server merges "//" and resolves "." and ".." before matching, so
// such a rule would never match), an old path already written (only its first rule would act,
// and nginx refuses a second), and a new address with a control character or that is not absolute
// ("http://", "https://" or a path from "/"), which the servers would send on other than the page
// does.
ServerRules WriteRules(const RuleSyntax& syntax, const QList<Redirect>& redirects);

// A regular expression matching exactly the decoded path `path`, anchored at both ends
// ("\z", since "$" also matches before a final line feed): letters, digits and "/" as they
// are, every other ASCII character as "\xHH", characters beyond ASCII as their UTF-8 bytes.
// So the pattern holds no quote, blank, brace, "$" or "%" that a configuration file could
// read, and it reads the same in PCRE (Apache) and in RE2 (Caddy).
QByteArray ExactPathPattern(const QString& path);
