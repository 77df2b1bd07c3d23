#pragma once

#include <QStyledItemDelegate>

// Draws each entry of a list indented by the level stored in its kLevelRole.
class IndentedItemDelegate final : public QStyledItemDelegate {
public:
    static constexpr int kLevelRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    static int indent(const QModelIndex& index);
};
