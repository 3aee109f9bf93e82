#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTreeWidget>

namespace sentara::ui {

// The catalogue: one top node per Book and one child per lesson. Nodes are numbered from 1 over
// the whole tree in insertion order (Book node, then its lessons); clicks report that number.
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
    QTreeWidgetItem* node(int nodeIndex) const; // 1-based
    static int nodeIndexOf(const QTreeWidgetItem* item);

signals:
    void nodeClicked(int nodeIndex);

private:
    void onItemClicked(QTreeWidgetItem* item);

    QList<QTreeWidgetItem*> nodes_;
};

} // namespace sentara::ui
