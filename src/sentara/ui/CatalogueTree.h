#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTreeWidget>

namespace sentara::ui {

// The catalogue: one top node per Book and one child per lesson. Nodes are numbered from 1 over
// the whole tree in insertion order (Book node, then its lessons); clicks report that number.
// A Book's lesson rows are made the first time they are needed (the Book opened, or one of its
// lessons asked for), so that starting does not make the rows of ten Books for the one shown.
class CatalogueTree : public QTreeWidget {
    Q_OBJECT
public:
    struct Book {
        QString title;
        QStringList lessonTitles;
    };

    explicit CatalogueTree(QWidget* parent = nullptr);

    void setBooks(const QList<Book>& books);
    void setBackground(const QColor& colour);
    // Selects the node with that number (and, with `reveal`, opens its Book and scrolls to it);
    // an unknown number clears the selection.
    void selectNode(int nodeIndex, bool reveal = true);
    int selectedNode() const;
    int nodeCount() const { return static_cast<int>(nodes_.size()); }
    QTreeWidgetItem* node(int nodeIndex); // 1-based; makes the row if it is not made yet
    static int nodeIndexOf(const QTreeWidgetItem* item);

signals:
    void nodeClicked(int nodeIndex);

private:
    void onItemClicked(QTreeWidgetItem* item);
    // Makes the lesson rows of a Book whose rows are not made yet, and says whether it did; any
    // other item is left alone.
    bool makeLessonRows(QTreeWidgetItem* bookItem);

    QList<QTreeWidgetItem*> nodes_;                // by number; null for a lesson row not made yet
    QHash<QTreeWidgetItem*, QStringList> pending_; // lesson titles of Books whose rows are not made
};

} // namespace sentara::ui
