#include "app/page_list_menu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>

PageListMenu::PageListMenu(QListWidget& list, std::function<bool()> entriesEnabled)
    : QObject(&list), list(list), entriesEnabled(std::move(entriesEnabled)),
      menu(new QMenu(&list)) {
    // A right click reaches the list's viewport, the keys the list itself.
    list.installEventFilter(this);
    list.viewport()->installEventFilter(this);
}

void PageListMenu::addEntry(const QString& text, std::function<void(const QString&)> act) {
    QAction* entry = menu->addAction(text);
    connect(entry, &QAction::triggered, this, [this, act = std::move(act)] { act(page); });
}

bool PageListMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        if (watched == list.viewport() && request->reason() == QContextMenuEvent::Mouse) {
            const QListWidgetItem* item = list.itemAt(request->pos());
            if (item != nullptr) {
                openOn(*item, request->globalPos());
            }
            return item != nullptr;
        }
        if (watched == &list && request->reason() == QContextMenuEvent::Keyboard) {
            return openOnSelectedPage();
        }
    } else if (event->type() == QEvent::KeyPress && watched == &list) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->keyCombination() == QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)) {
            return openOnSelectedPage();
        }
    }
    return false;
}

bool PageListMenu::openOnSelectedPage() {
    const QListWidgetItem* selected = list.currentItem();
    if (selected == nullptr || !selected->isSelected()) {
        return false;
    }
    list.scrollToItem(selected);
    openOn(*selected, list.viewport()->mapToGlobal(list.visualItemRect(selected).bottomLeft()));
    return true;
}

void PageListMenu::openOn(const QListWidgetItem& item, const QPoint& globalPosition) {
    page = item.text();
    const bool enabled = entriesEnabled();
    for (QAction* entry : menu->actions()) {
        entry->setEnabled(enabled);
    }
    menu->popup(globalPosition);
}
