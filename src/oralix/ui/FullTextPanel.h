#pragma once

#include "oralix/core/OralixView.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace oralix {
class OralixSession;
}

namespace oralix::ui {

class FullTextCanvas;

// The full-text view of the browse and recall modes: the rows, the show-Chinese toggle,
// read-all with pause, and the reset button of the recall modes.
class FullTextPanel : public QWidget {
    Q_OBJECT
public:
    FullTextPanel(OralixSession& session, QWidget* parent = nullptr);

    void render(const OralixView& view);
    FullTextCanvas* canvas() const { return canvas_; }
    QScrollArea* viewport() const { return scroll_; }

    static constexpr int kWidth = 600;
    static constexpr int kHeight = 380;

private:
    void follow(int row);

    OralixSession& session_;
    QCheckBox* showChinese_;
    QPushButton* readAll_;
    QPushButton* pause_;
    QPushButton* reset_;
    QWidget* controls_;
    QScrollArea* scroll_;
    FullTextCanvas* canvas_;
};

} // namespace oralix::ui
