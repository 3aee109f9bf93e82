#include "sentara/ui/WordPanelWidget.h"
#include "sentara/modes/WordPanel.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

// The panel opens wide enough for its headword and link, whatever it showed while hidden.
TEST(WordPanelWidget, OpensAtTheSizeOfTheWordItShows) {
    QWidget window;
    window.resize(800, 600);
    window.show();
    sentara::ui::WordPanelWidget panel(&window);
    sentara::WordPanelView view;
    view.meaning = QStringLiteral("pron. 什么");
    panel.render(view); // hidden, with no headword yet
    QApplication::processEvents();
    (void)window.grab(); // a picture of the window lays out what it holds, the hidden panel too
    view.headword = QStringLiteral("international");
    view.phonetic = QStringLiteral("ˌintəˈnæʃənəl");
    view.visible = true;
    panel.render(view);
    const auto* headword = panel.findChild<QLabel*>(QStringLiteral("WordEnglishTextLabel"));
    const auto* link = panel.findChild<QLabel*>(QStringLiteral("WebWordFindLabel"));
    ASSERT_TRUE(panel.isVisible());
    EXPECT_GE(panel.width(), headword->sizeHint().width() + link->sizeHint().width());
}

// The "<词典>" link sinks down and right while pressed and opens the page when released.
TEST(WordPanelWidget, TheDictionaryLinkSinksWhilePressedAndOpensOnRelease) {
    QWidget window;
    window.resize(800, 600);
    window.show();
    sentara::ui::WordPanelWidget panel(&window);
    int opened = 0;
    QObject::connect(&panel, &sentara::ui::WordPanelWidget::dictionaryLinkClicked,
                     [&opened] { ++opened; });
    sentara::WordPanelView view;
    view.headword = QStringLiteral("kitchen");
    view.meaning = QStringLiteral("n. 厨房");
    view.visible = true;
    panel.render(view);
    QApplication::processEvents();
    auto* link = panel.findChild<QLabel*>(QStringLiteral("WebWordFindLabel"));
    ASSERT_NE(link, nullptr);
    const QRect atRest = link->contentsRect();
    const QSize size = link->size();
    const QPointF at(link->rect().center());
    const QPointF global(link->mapToGlobal(at));

    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(link, &press);
    EXPECT_EQ(link->contentsRect().topLeft(), atRest.topLeft() + QPoint(1, 1));
    EXPECT_EQ(link->size(), size) << "the link sinks inside its own place";
    EXPECT_EQ(opened, 0) << "the page opens on release, not on press";

    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(link, &release);
    EXPECT_EQ(link->contentsRect(), atRest);
    EXPECT_EQ(opened, 1);
}
