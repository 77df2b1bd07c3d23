#include "movers/rules/json_redirects.h"

#include "movers/pages/markup_escapes.h"

ServerRules JsonRules(const JsonKind& kind, const QList<Redirect>& redirects) {
    ServerRules rules;
    const QList<Redirect> held =
        HeldRedirects(redirects, kind.file, kind.cannotHold, rules.leftOut, kind.limit);
    QByteArray list = held.isEmpty() ? "[]" : "[\n";
    for (qsizetype i = 0; i < held.size(); ++i) {
        list += kind.indent +
                "  {\"source\": " + JavaScriptString(kind.source(held[i])).toLatin1() +
                ", \"destination\": " + JavaScriptString(kind.destination(held[i])).toLatin1() +
                ", " + kind.permanence + (i + 1 < held.size() ? "},\n" : "}\n");
    }
    if (!held.isEmpty()) {
        list += kind.indent + ']';
    }
    rules.files.append({kind.file, kind.before + list + kind.after});
    return rules;
}
