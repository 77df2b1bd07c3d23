#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// Everything under a folder, by path relative to it: a file's bytes, "<folder>" for a
// folder, "<link> target" for a symbolic link (which is not followed).
using FolderTree = QMap<QString, QByteArray>;

FolderTree ReadFolderTree(const QString& root);

// The tree without the entries at or below the relative path `part`.
FolderTree WithoutPart(FolderTree tree, const QString& part);

// Writes a file, making its folders as needed.
void WriteFile(const QString& path, const QByteArray& bytes);
// Writes a file whose name is given as raw bytes, which need not be valid UTF-8.
void WriteRawNamedFile(const QString& folder, const QByteArray& name, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);
// The names of the entries of a folder, hidden ones included, sorted.
QStringList FolderEntries(const QString& folder);
