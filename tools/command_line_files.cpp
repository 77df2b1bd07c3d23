// Writes the files made from the command line's option table: the manual page, from its
// template with the line "@OPTIONS@" replaced by the OPTIONS entries, and the completion
// scripts of bash, zsh and fish.
//
//   command_line_files TEMPLATE.1.in FOLDER
//
// writes FOLDER/zandrift.1, FOLDER/zandrift.bash, FOLDER/_zandrift and FOLDER/zandrift.fish.
#include "cli/options/manual_options.h"
#include "cli/options/shell_completions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

const QString kPlaceholder = QStringLiteral("@OPTIONS@\n");

bool write(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit()) {
        return true;
    }
    std::fprintf(stderr, "command_line_files: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(file.errorString()));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: command_line_files TEMPLATE.1.in FOLDER\n", stderr);
        return 2;
    }
    QFile manualTemplate(arguments.at(1));
    if (!manualTemplate.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "command_line_files: cannot read %s: %s\n",
                     qPrintable(arguments.at(1)), qPrintable(manualTemplate.errorString()));
        return 1;
    }
    QString manual = QString::fromUtf8(manualTemplate.readAll());
    if (manual.count(kPlaceholder) != 1) {
        std::fprintf(stderr, "command_line_files: %s holds no line @OPTIONS@, or more than one\n",
                     qPrintable(arguments.at(1)));
        return 1;
    }
    manual.replace(kPlaceholder, ManualOptions());
    const QDir folder(arguments.at(2));
    const bool written =
        write(folder.filePath(QStringLiteral("zandrift.1")), manual) &&
        write(folder.filePath(QStringLiteral("zandrift.bash")), BashCompletion()) &&
        write(folder.filePath(QStringLiteral("_zandrift")), ZshCompletion()) &&
        write(folder.filePath(QStringLiteral("zandrift.fish")), FishCompletion());
    return written ? 0 : 1;
}
