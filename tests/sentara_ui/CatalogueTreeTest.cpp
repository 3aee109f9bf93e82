#include "sentara/ui/CatalogueTree.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

using sentara::ui::CatalogueTree;

// Book 1 = node 1 (lessons 2, 3), Book 2 = node 4 (lesson 5), Book 3 = node 6 (no lessons).
void fill(CatalogueTree& tree) {
    tree.setBooks({{QStringLiteral("Book 1"), {QStringLiteral("L1"), QStringLiteral("L2")}},
                   {QStringLiteral("Book 2"), {QStringLiteral("L3")}},
                   {QStringLiteral("Book 3"), {}}});
}

// Lesson rows are made when their Book is opened or one of them is asked for, and whichever way
// they are made, each row carries the number the whole catalogue gives it.
TEST(CatalogueTreeTest, LessonRowsMadeOnDemandKeepTheirNumbers) {
    CatalogueTree tree;
    fill(tree);
    ASSERT_EQ(tree.nodeCount(), 6);
    QTreeWidgetItem* book2 = tree.topLevelItem(1);
    EXPECT_EQ(book2->childCount(), 0);
    EXPECT_EQ(book2->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_EQ(tree.topLevelItem(2)->childIndicatorPolicy(),
              QTreeWidgetItem::DontShowIndicatorWhenChildless);

    // Opened by its arrow or the keyboard.
    tree.expandItem(book2);
    ASSERT_EQ(book2->childCount(), 1);
    EXPECT_EQ(book2->child(0)->text(0), QStringLiteral("L3"));
    EXPECT_EQ(CatalogueTree::nodeIndexOf(book2->child(0)), 5);

    // Asked for by number (a lesson loaded at start-up is selected this way).
    QTreeWidgetItem* second = tree.node(3);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->text(0), QStringLiteral("L2"));
    EXPECT_EQ(second->parent(), tree.topLevelItem(0));
    EXPECT_EQ(CatalogueTree::nodeIndexOf(second), 3);
    EXPECT_EQ(tree.topLevelItem(0)->childCount(), 2);
    tree.selectNode(2);
    EXPECT_EQ(tree.selectedNode(), 2);
    EXPECT_TRUE(tree.topLevelItem(0)->isExpanded());
    EXPECT_EQ(tree.node(7), nullptr);
}

// A click on a Book whose rows are not made yet opens it and reports the Book's number.
TEST(CatalogueTreeTest, ClickingAnUnopenedBookOpensIt) {
    CatalogueTree tree;
    fill(tree);
    QList<int> clicked;
    QObject::connect(&tree, &CatalogueTree::nodeClicked, [&clicked](int node) { clicked << node; });
    QTreeWidgetItem* book2 = tree.topLevelItem(1);

    emit tree.itemClicked(book2, 0);

    EXPECT_TRUE(book2->isExpanded());
    EXPECT_EQ(book2->childCount(), 1);
    EXPECT_EQ(clicked, QList<int>{4});

    // Opened without its rows (signals blocked), it still opens, with them, on the first click.
    QTreeWidgetItem* book1 = tree.topLevelItem(0);
    tree.blockSignals(true);
    book1->setExpanded(true);
    tree.blockSignals(false);
    emit tree.itemClicked(book1, 0);
    EXPECT_TRUE(book1->isExpanded());
    EXPECT_EQ(book1->childCount(), 2);
}

} // namespace
