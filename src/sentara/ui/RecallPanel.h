#pragma once

#include "sentara/modes/WordRecall.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

namespace sentara {
class SentaraSession;
struct SessionView;
} // namespace sentara

namespace sentara::ui {

class HiddenWordLine;
class HintCardWidget;
class OptionsMenu;

// The word-click recall view (mode 8): the sentence with every word hidden, the Chinese above it,
// the hint card under the word clicked last, the navigation and reset commands and the mode's
// menu "句子回想设置". Renders session.wordRecall()'s view and forwards the learner's clicks to it.
class RecallPanel : public QWidget {
    Q_OBJECT
public:
    RecallPanel(SentaraSession& session, QWidget* parent = nullptr);

    void render(const SessionView& view);
    void setTextScale(double scale);

    HiddenWordLine* words() const { return words_; }
    HintCardWidget* card() const { return card_; }
    OptionsMenu* menu() const { return menu_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    SentaraSession& session_;
    QLabel* title_;
    QToolButton* settings_;
    QLabel* chinese_;
    HiddenWordLine* words_;
    QLabel* instruction_;
    QLabel* counter_;
    QPushButton* first_;
    QPushButton* back_;
    QPushButton* read_;
    QPushButton* next_;
    QPushButton* reset_;
    HintCardWidget* card_;
    OptionsMenu* menu_;
    HintCardView shownCard_;
};

} // namespace sentara::ui
