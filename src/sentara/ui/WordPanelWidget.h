#pragma once

#include <QFrame>

class QLabel;

namespace sentara {
struct WordPanelView;
}

namespace sentara::ui {

class ClickableLabel;

// The floating word panel (WordPicture): headword, the "<词典>" link, phonetic transcription and
// meaning. It appears near the pointer when the session shows it, kept inside the window that
// holds it, and reports clicks on the link.
class WordPanelWidget : public QFrame {
    Q_OBJECT
public:
    explicit WordPanelWidget(QWidget* parent);

    void render(const WordPanelView& view);
    void setTextScale(double scale);

signals:
    void dictionaryLinkClicked();

private:
    void placeNearPointer();

    QLabel* headword_;
    ClickableLabel* link_;
    QLabel* phonetic_;
    QLabel* meaning_;
    int shownCount_ = -1; // the show() of the session the panel was last placed for
};

} // namespace sentara::ui
