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
    // A Book opened by its arrow or the keyboard gets its rows as it opens.
    connect(this, &QTreeWidget::itemExpanded, this, &CatalogueTree::makeLessonRows);
}

void CatalogueTree::setBooks(const QList<Book>& books) {
    clear();
    nodes_.clear();
    pending_.clear();
    const QIcon bookIcon = Pictures::bookIcon();
    QList<QTreeWidgetItem*> bookItems;
    for (const Book& book : books) {
        auto* bookItem = new QTreeWidgetItem(QStringList{book.title});
        bookItem->setIcon(0, bookIcon);
        nodes_.append(bookItem);
        bookItem->setData(0, kNodeIndexRole, static_cast<int>(nodes_.size()));
        if (!book.lessonTitles.isEmpty()) {
            // The Book shows that it opens before its rows are made.
            bookItem->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
            pending_.insert(bookItem, book.lessonTitles);
        }
        nodes_.insert(nodes_.size(), book.lessonTitles.size(), nullptr);
        bookItems.append(bookItem);
    }
    addTopLevelItems(bookItems);
}

bool CatalogueTree::makeLessonRows(QTreeWidgetItem* bookItem) {
    const auto found = pending_.constFind(bookItem);
    if (found == pending_.constEnd()) {
        return false;
    }
    const QStringList titles = found.value();
    pending_.erase(found);
    const int firstNode = nodeIndexOf(bookItem) + 1;
    const QIcon lessonIcon = Pictures::lessonIcon();
    // The rows are made first and handed to the Book in one go: one insertion, not one per row.
    QList<QTreeWidgetItem*> lessonItems;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        auto* lessonItem = new QTreeWidgetItem(QStringList{titles.at(i)});
        lessonItem->setIcon(0, lessonIcon);
        const int number = firstNode + static_cast<int>(i);
        nodes_[number - 1] = lessonItem;
        lessonItem->setData(0, kNodeIndexRole, number);
        lessonItems.append(lessonItem);
    }
    bookItem->addChildren(lessonItems);
    bookItem->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    return true;
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

QTreeWidgetItem* CatalogueTree::node(int nodeIndex) {
    if (nodeIndex < 1 || nodeIndex > nodes_.size()) {
        return nullptr;
    }
    if (nodes_.at(nodeIndex - 1) == nullptr) {
        // A lesson row not made yet: its Book is the nearest made node before it.
        int book = nodeIndex - 1;
        while (nodes_.at(book - 1) == nullptr) {
            --book;
        }
        makeLessonRows(nodes_.at(book - 1));
    }
    return nodes_.at(nodeIndex - 1);
}

int CatalogueTree::nodeIndexOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kNodeIndexRole).toInt() : 0;
}

void CatalogueTree::onItemClicked(QTreeWidgetItem* item) {
    if (makeLessonRows(item)) {
        item->setExpanded(true); // first opened now, whatever it showed before its rows
    } else if (item->childCount() > 0) {
        item->setExpanded(!item->isExpanded());
    }
    emit nodeClicked(nodeIndexOf(item));
}

} // namespace sentara::ui
