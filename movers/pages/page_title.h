#pragma once

#include <QString>

class OpenFolder;

namespace Module1 {

// A page's title as the generators need it: the text, and whether the page's bytes up to the
// end of its first "</title>" were not valid UTF-8 and so were read as Latin-1, byte for byte. A
// page written in that same encoding carries the title's bytes exactly as the source page holds
// them.
struct PageTitle {
    QString text;
    bool latin1 = false;
    bool readable = false; // the page could be opened as a regular file
};

// The text strictly between a page's first "<title>" and its first "</title>" (tags found
// without regard to case), with its line breaks flattened; or the path itself when the page
// has no usable title or cannot be read. Reads no further than the first "</title>", and
// needs no more memory than a few times the title's size, whatever the page's size.
PageTitle ReadPageTitle(const QString& path);
// ReadPageTitle of the file `name` in an open folder, so that the file is reached from the
// folder and not by a path named again; `path` names the file for a page without a title.
PageTitle ReadPageTitle(const OpenFolder& folder, const QString& name, const QString& path);

// The title text of ReadPageTitle.
QString GetPageTitle(const QString& path);

// The text with every carriage return dropped and every line feed turned into a space.
QString RemoveLineBreaks(QString text);

} // namespace Module1
