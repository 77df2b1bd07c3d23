#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QListWidget;
class QListWidgetItem;
class QMenu;
class QPoint;

// The context menu of the page list. It opens on a listed page, never on empty space: for a
// right click on the page, and, for the selected page, for the context-menu key (which the
// window system turns into a context menu request) and for Shift+F10 (which it does not),
// below the page. Its entries act on the page it opened on; they are enabled while
// `entriesEnabled` holds when it opens, and shown disabled otherwise.
class PageListMenu final : public QObject {
    Q_OBJECT

public:
    PageListMenu(QListWidget& list, std::function<bool()> entriesEnabled);

    // Adds an entry that hands `act` the name of the page the menu opened on.
    void addEntry(const QString& text, std::function<void(const QString& page)> act);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool openOnSelectedPage();
    void openOn(const QListWidgetItem& item, const QPoint& globalPosition);

    QListWidget& list;
    std::function<bool()> entriesEnabled;
    QMenu* const menu;
    QString page; // the page the menu opened on
};
