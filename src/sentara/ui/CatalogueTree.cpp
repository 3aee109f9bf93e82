#include "CatalogueTree.h"

#include "Pictures.h"

#include <QHeaderView>

namespace sentara::ui {

namespace {
constexpr int kNodeIndexRole = Qt::UserRole + 1;
} // namespace

CatalogueTree::CatalogueTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("TreeView1"));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    connect(this, &QTreeWidget::itemClicked, this, &CatalogueTree::onItemClicked);
}

void CatalogueTree::setBooks(const QList<Book>& books) {
    clear();
    nodes_.clear();
    const QIcon bookIcon = Pictures::bookIcon();
    const QIcon lessonIcon = Pictures::lessonIcon();
    // The items are made first and handed to the tree in one go: one insertion per Book, not
    // one per lesson.
    QList<QTreeWidgetItem*> bookItems;
    for (const Book& book : books) {
        auto* bookItem = new QTreeWidgetItem(QStringList{book.title});
        bookItem->setIcon(0, bookIcon);
        nodes_.append(bookItem);
        bookItem->setData(0, kNodeIndexRole, static_cast<int>(nodes_.size()));
        QList<QTreeWidgetItem*> lessonItems;
        for (const QString& title : book.lessonTitles) {
            auto* lessonItem = new QTreeWidgetItem(QStringList{title});
            lessonItem->setIcon(0, lessonIcon);
            nodes_.append(lessonItem);
            lessonItem->setData(0, kNodeIndexRole, static_cast<int>(nodes_.size()));
            lessonItems.append(lessonItem);
        }
        bookItem->addChildren(lessonItems);
        bookItems.append(bookItem);
    }
    addTopLevelItems(bookItems);
}

void CatalogueTree::setBackground(const QColor& colour) {
    // The rows are drawn on the palette's base colour.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

void CatalogueTree::selectNode(int nodeIndex, bool reveal) {
    QTreeWidgetItem* item = node(nodeIndex);
    QSignalBlocker blocker(this);
    clearSelection();
    if (!item) {
        return;
    }
    if (reveal && item->parent()) {
        item->parent()->setExpanded(true);
    }
    setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
    if (reveal) {
        scrollToItem(item, QAbstractItemView::PositionAtCenter);
    }
}

int CatalogueTree::selectedNode() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? 0 : nodeIndexOf(selected.first());
}

QTreeWidgetItem* CatalogueTree::node(int nodeIndex) const {
    return nodeIndex >= 1 && nodeIndex <= nodes_.size() ? nodes_.at(nodeIndex - 1) : nullptr;
}

int CatalogueTree::nodeIndexOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kNodeIndexRole).toInt() : 0;
}

void CatalogueTree::onItemClicked(QTreeWidgetItem* item) {
    if (item->childCount() > 0) {
        item->setExpanded(!item->isExpanded());
    }
    emit nodeClicked(nodeIndexOf(item));
}

} // namespace sentara::ui
