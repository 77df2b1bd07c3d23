#pragma once

#include <QCloseEvent>
#include <QPointer>
#include <QWidget>

// A window of which the program has one instance for the whole run, reached through its
// class: instance() loads it from its design (the window's constructor, given what the
// window is handed, such as the program's message boxes) when it is not loaded; Unload()
// destroys it, and the next instance() loads it afresh. Closing it by its close box unloads
// it.
//
// The derived window makes its constructor private and befriends this class, so that
// instance() is the only way to it.
template <typename Window, typename Base = QWidget> class SingleInstanceWindow : public Base {
public:
    // `handedIn` goes to the constructor when the window is loaded now, and is not used
    // when it is loaded already.
    template <typename... HandedIn> static Window& instance(HandedIn&... handedIn) {
        if (loaded.isNull()) {
            loaded = new Window(handedIn...);
        }
        return *loaded;
    }

    static bool isLoaded() { return !loaded.isNull(); }

    // Hides the window and gives up the instance at once; the widget is destroyed once the
    // event being handled is done, since this may run inside one of the window's own
    // handlers. Does nothing when the window is not loaded.
    static void Unload() {
        Window* window = loaded.data();
        loaded.clear();
        if (window != nullptr) {
            window->hide();
            window->deleteLater();
        }
    }

protected:
    SingleInstanceWindow() = default;

    void closeEvent(QCloseEvent* event) override {
        Base::closeEvent(event);
        if (event->isAccepted() && loaded.data() == this) {
            Unload();
        }
    }

private:
    static inline QPointer<Window> loaded;
};
