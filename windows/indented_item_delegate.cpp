#include "windows/indented_item_delegate.h"

#include "widgets/twips.h"

namespace {

constexpr int kIndentPerLevelTwips = 180;

} // namespace

void IndentedItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem indented(option);
    indented.rect.setLeft(option.rect.left() + indent(index));
    QStyledItemDelegate::paint(painter, indented, index);
}

QSize IndentedItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
}

int IndentedItemDelegate::indent(const QModelIndex& index) {
    return index.data(kLevelRole).toInt() * pixelsFromTwips(kIndentPerLevelTwips);
}
