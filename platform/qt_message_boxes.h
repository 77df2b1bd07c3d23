#pragma once

#include "platform/message_boxes.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

// Message and input boxes shown as QMessageBox and QInputDialog, modal over `parent`.
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent(parent) {}

    void setParent(QWidget* widget) { parent = widget; }

    MsgAnswer MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                     const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    void dismissAll() override;

private:
    // Shows the box modal and returns its result; a dismissed box is not shown and is
    // rejected.
    int exec(QDialog& box);

    QPointer<QWidget> parent;
    QPointer<QDialog> openBox;
};
