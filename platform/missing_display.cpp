#include "platform/missing_display.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>

namespace {

// A message of Qt's as it came, its context's texts copied so they can be passed on later.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

struct HeldMessages {
    std::mutex mutex;
    QtMessageHandler before = nullptr;
    QList<HeldMessage> messages;
};

HeldMessages& held() {
    static HeldMessages state;
    return state;
}

// A copied context text as Qt gave it: a null one stays null.
const char* textOf(const QByteArray& copy) {
    return copy.isNull() ? nullptr : copy.constData();
}

// Passes the held messages on to the handler before, and forgets them. Needs the lock.
void passOnHeld(HeldMessages& state) {
    for (const HeldMessage& message : std::as_const(state.messages)) {
        const QMessageLogContext context(textOf(message.file), message.line,
                                         textOf(message.function), textOf(message.category));
        state.before(message.type, context, message.text);
    }
    state.messages.clear();
}

// Qt gives up with this when no platform plugin could start, which is what a missing or
// unreachable display leads to.
bool noPlatformStarted(const QString& text) {
    return text.contains(QStringLiteral("platform plugin"));
}

// Qt's warning before that when the plugin asked for is not installed at all.
bool pluginNotInstalled(const QList<HeldMessage>& messages) {
    return std::any_of(messages.cbegin(), messages.cend(), [](const HeldMessage& message) {
        return message.text.contains(QStringLiteral("Could not find the Qt platform plugin"));
    });
}

void holdOrExit(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    HeldMessages& state = held();
    const std::lock_guard lock(state.mutex);
    if (type == QtFatalMsg && noPlatformStarted(text) && !pluginNotInstalled(state.messages)) {
        // Nothing of ours is open yet, so there is nothing to close on the way out.
        std::fputs("zandrift: no display: the window needs an X11 or Wayland display; use "
                   "zandrift --help for the command line\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (type == QtFatalMsg) { // told as Qt tells it, after what came before; Qt then aborts
        passOnHeld(state);
        state.before(type, context, text);
        return;
    }
    state.messages.append(
        {type, context.file, context.line, context.function, context.category, text});
}

} // namespace

MissingDisplayExit::MissingDisplayExit() {
    HeldMessages& state = held();
    const std::lock_guard lock(state.mutex);
    state.before = qInstallMessageHandler(holdOrExit);
}

MissingDisplayExit::~MissingDisplayExit() {
    displayOpened();
}

void MissingDisplayExit::displayOpened() {
    if (!catching) {
        return;
    }
    catching = false;
    HeldMessages& state = held();
    const std::lock_guard lock(state.mutex);
    qInstallMessageHandler(state.before);
    passOnHeld(state);
}
