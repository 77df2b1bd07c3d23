#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

// Where the old site's pages and files went, as the webmaster says it in a CSV file of two
// columns written by a spreadsheet: the old path relative to the site folder, and the new
// place, a full "http:" or "https:" address or a path relative to the new address.

// One row of a move map, with the line of the file it starts on.
struct MoveMapRow {
    QString oldPath;  // relative to the site folder, "/" between folders, no leading "/"
    QString newPlace; // as given
    int line = 0;
};

// A move map as read, or the first reason it cannot be used and the line it is on (0 for the
// file as a whole).
struct ParsedMoveMap {
    QList<MoveMapRow> rows;
    QString fault;
    int faultLine = 0;

    bool usable() const { return fault.isEmpty(); }
};

// Reads a move map: CSV as spreadsheets write it (RFC 4180): UTF-8, a byte order mark allowed,
// records ended by LF or CRLF, fields separated by ",", a field in double quotes may hold
// commas, line breaks and doubled quotes. Exactly two fields a row. Rows whose fields are all
// empty are skipped, and so is a row starting with "#" (a page whose name starts with "#" is
// written quoted), and a first row "old,new". A leading "/" of an old path is dropped. Refused:
// bytes that are not UTF-8, a quote left open or text after a closing quote, a row without
// exactly two fields, an old path given twice, a new place that is empty or holds a control
// character.
ParsedMoveMap ParseMoveMap(const QByteArray& bytes);

// The map, with the fault of its first row whose old path is not one of `paths` (the pages of
// the run, or with every file its files), if any; `wholeTree` tells whether the run takes the
// subfolders, so that a path into one can be told why.
ParsedMoveMap CheckMoveMapPaths(ParsedMoveMap map, const QSet<QString>& paths, bool wholeTree);

// Each old path's new place, for a map that can be used.
QHash<QString, QString> NewPlaces(const ParsedMoveMap& map);
