#include "movers/rules/move_map.h"

#include "movers/files/control_characters.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

// Reads the records of a CSV text one by one.
class CsvReader {
public:
    explicit CsvReader(QString text) : text(std::move(text)) {}

    bool atEnd() const { return at >= text.size(); }
    int line() const { return currentLine; }

    // Whether the next record is a comment: it starts with "#", outside quotes.
    bool atComment() const { return text[at] == u'#'; }
    // Passes over the rest of the line as it is, quotes and all.
    void skipLine() {
        while (at < text.size() && !atLineEnd()) {
            ++at;
        }
        skipLineEnd();
    }

    // The next record's fields, and the line it starts on; false with `fault` set when the
    // record cannot be read.
    bool next(QStringList& fields, int& startLine, QString& fault) {
        fields.clear();
        startLine = currentLine;
        QString field;
        for (;;) {
            if (at < text.size() && text[at] == u'"' && field.isEmpty()) {
                if (!quoted(field, fault)) {
                    return false;
                }
                if (at < text.size() && text[at] != u',' && !atLineEnd()) {
                    fault = QStringLiteral("text follows a closing quote");
                    return false;
                }
            }
            while (at < text.size() && text[at] != u',' && !atLineEnd()) {
                field += text[at++];
            }
            fields << field;
            field.clear();
            if (at < text.size() && text[at] == u',') {
                ++at;
                continue;
            }
            skipLineEnd();
            return true;
        }
    }

private:
    bool atLineEnd() const {
        return text[at] == u'\n' ||
               (text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n');
    }

    void skipLineEnd() {
        if (at < text.size()) {
            at += text[at] == u'\r' ? 2 : 1;
            ++currentLine;
        }
    }

    // A field in quotes, from its opening quote: a doubled quote is one quote.
    bool quoted(QString& field, QString& fault) {
        const int opened = currentLine;
        for (++at; at < text.size(); ++at) {
            if (text[at] == u'"') {
                if (at + 1 < text.size() && text[at + 1] == u'"') {
                    field += u'"';
                    ++at;
                    continue;
                }
                ++at;
                return true;
            }
            if (text[at] == u'\n') {
                ++currentLine;
            }
            field += text[at];
        }
        currentLine = opened;
        fault = QStringLiteral("a quote is left open");
        return false;
    }

    QString text;
    qsizetype at = 0;
    int currentLine = 1;
};

bool allEmpty(const QStringList& fields) {
    return std::all_of(fields.cbegin(), fields.cend(),
                       [](const QString& f) { return f.isEmpty(); });
}

ParsedMoveMap refused(int line, const QString& fault) {
    return {.rows = {}, .fault = fault, .faultLine = line};
}

} // namespace

ParsedMoveMap ParseMoveMap(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        return refused(0, QStringLiteral("it is not UTF-8 text"));
    }
    ParsedMoveMap map;
    QHash<QString, int> lineOf;
    CsvReader reader(std::move(text));
    bool first = true;
    while (!reader.atEnd()) {
        if (reader.atComment()) {
            reader.skipLine();
            continue;
        }
        QStringList fields;
        int line = 0;
        QString fault;
        if (!reader.next(fields, line, fault)) {
            return refused(reader.line(), fault);
        }
        if (allEmpty(fields)) {
            continue;
        }
        const bool header = first && fields == QStringList({"old", "new"});
        first = false;
        if (header) {
            continue;
        }
        if (fields.size() != 2) {
            return refused(line, QStringLiteral("the row has %1 fields, not 2").arg(fields.size()));
        }
        QString oldPath = fields[0].startsWith(u'/') ? fields[0].mid(1) : fields[0];
        const QString& newPlace = fields[1];
        if (lineOf.contains(oldPath)) {
            return refused(line, QStringLiteral("the old path %1 is given twice (first on line %2)")
                                     .arg(oldPath)
                                     .arg(lineOf.value(oldPath)));
        }
        if (newPlace.isEmpty()) {
            return refused(line, QStringLiteral("the new place is empty"));
        }
        if (HoldsLineBreakOrControl(newPlace)) {
            return refused(line, QStringLiteral("the new place holds a control character"));
        }
        lineOf.insert(oldPath, line);
        map.rows.append({std::move(oldPath), newPlace, line});
    }
    return map;
}

ParsedMoveMap CheckMoveMapPaths(ParsedMoveMap map, const QSet<QString>& paths, bool wholeTree) {
    for (const MoveMapRow& row : std::as_const(map.rows)) {
        if (paths.contains(row.oldPath)) {
            continue;
        }
        const bool inSubfolder = !wholeTree && row.oldPath.contains(u'/');
        return refused(
            row.line,
            inSubfolder
                ? QStringLiteral("the old path %1 is in a subfolder, which the "
                                 "run takes only with --recursive")
                      .arg(row.oldPath)
                : QStringLiteral("the old path %1 is not a page of the run").arg(row.oldPath));
    }
    return map;
}

QHash<QString, QString> NewPlaces(const ParsedMoveMap& map) {
    QHash<QString, QString> places;
    places.reserve(map.rows.size());
    for (const MoveMapRow& row : map.rows) {
        places.insert(row.oldPath, row.newPlace);
    }
    return places;
}
