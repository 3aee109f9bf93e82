#include "sentara/ui/WordPanelWidget.h"
#include "sentara/modes/WordPanel.h"

#include <QApplication>
#include <QLabel>
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
