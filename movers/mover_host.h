#pragma once

#include "movers/message_box_types.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// The main window's state that a mover run reads.
struct MoverInputs {
    QString siteFolder;
    QStringList pageNames;
    QString newAddress;
    std::int16_t delay = 0;
    bool delayGiven = false;
};

// The buttons a run may move the focus to.
enum class MoverControl { NewAddress, Delay };

// What a mover run does to the main window. The window keeps repainting its caption and
// pointer while a run lasts, without taking user input.
class MoverHost {
public:
    virtual ~MoverHost() = default;

    // A modal box without a title of its own; returns the button chosen.
    virtual MsgAnswer MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon) = 0;
    virtual void setCaption(const QString& caption) = 0;
    // The hourglass while busy, the default pointer otherwise.
    virtual void setBusyPointer(bool busy) = 0;
    virtual void setFocus(MoverControl control) = 0;
    // Opens the folder in the desktop's file manager, without waiting for it.
    virtual void openFileManager(const QString& folder) = 0;
    // Closes the main window as the user would, which ends the program.
    virtual void closeMainWindow() = 0;
};
