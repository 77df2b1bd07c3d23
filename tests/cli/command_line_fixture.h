#pragma once

#include "movers/folder_tree.h"
#include "zandrift_program.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

// The real program run from the command line on a site folder in a temporary folder, with a
// home folder of its own in which nothing may be stored.
class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Expects the home folder still empty: the settings store was not touched.
    void TearDown() override;

    QString rootPath(const QString& name) const { return root.filePath(name); }
    QString sitePath(const QString& name = {}) const;
    void writeSitePage(const QString& name, const QByteArray& bytes);

    ProgramResult zandrift(const QStringList& arguments) const;
    // A run of the kind on the site folder, with the address "http://new.example/" (and a
    // delay of 3 seconds for redirect pages), and the further arguments.
    ProgramResult movers(const QStringList& more = {}) const;
    ProgramResult frames(const QStringList& more = {}) const;

    QTemporaryDir root;
};
