#pragma once

#include "faulty_files.h"
#include "folder_tree.h"
#include "scripted_mover_port.h"

#include "movers/pages/mover_kinds.h"
#include "movers/run/mover_run.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

// A mover run on a site folder in a temporary folder, beside a folder "elsewhere" that no
// run may touch, with a scripted front end and the real disk behind a fault seam.
class MoverRunTest : public ::testing::Test {
protected:
    void SetUp() override;

    QString rootPath(const QString& name) const { return root.filePath(name); }
    QString sitePath(const QString& name = {}) const;
    // The path of a page in the output folder of a kind.
    QString outputPath(const MoverKind& kind, const QString& name = {}) const;
    // The bytes of a page in the output folder of a kind.
    QByteArray written(const MoverKind& kind, const QString& name) const {
        return ReadFile(outputPath(kind, name));
    }
    void writeSitePage(const QString& name, const QByteArray& bytes);

    // The inputs of a run on the site folder with the new address "http://new.example/"
    // and an accepted delay of 3 seconds.
    MoverInputs inputs(const QStringList& pageNames = {}) const;

    // Runs the command; remembers everything on disk first.
    void run(const MoverKind& kind, const MoverInputs& runInputs);
    // Expects that nothing outside the kind's output folder changed during the run.
    void expectOnlyOutputChanged(const MoverKind& kind) const;
    // Expects that nothing at all changed during the run.
    void expectNothingChanged() const;

    QTemporaryDir root;
    using Answer = ScriptedMoverPort::Answer;

    ScriptedMoverPort port;
    FaultyFiles files;
    MoverOutcome outcome; // of the last run
    FolderTree before;
};

// Redirect and framed-forwarding pages of one address, as the tests expect them.
QByteArray RedirectBytes(const QByteArray& title, const QByteArray& address, int delay = 3);
QByteArray FramedBytes(const QByteArray& title, const QByteArray& address);
