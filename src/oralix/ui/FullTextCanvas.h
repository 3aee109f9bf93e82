#pragma once

#include "oralix/core/OralixSession.h"
#include "oralix/core/SentenceRow.h"

#include <QList>
#include <QRect>
#include <QWidget>

namespace oralix::ui {

// The rows of the full-text view, drawn from the lesson's rows: number, English, Chinese, the
// click frames of the recall modes, the underline of the sentence being read and the play icon.
// A hidden text keeps its place. Clicks are forwarded to the session.
class FullTextCanvas : public QWidget {
    Q_OBJECT
public:
    explicit FullTextCanvas(OralixSession& session, QWidget* parent = nullptr);

    void render(const QList<SentenceRow>& rows, int width);
    // The bottom of row `row`'s English text (1-based), for read-all's scrolling.
    int englishBottom(int row) const;
    // Where a part of row `row` (1-based) is drawn; empty for a row that does not exist.
    QRect partRect(int row, OralixSession::RowPart part) const;

signals:
    void keyScroll(int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Geometry {
        QRect number, english, chinese, play;
    };
    struct Hit {
        int row = 0;
        OralixSession::RowPart part = OralixSession::RowPart::English;
    };
    std::optional<Hit> hitAt(const QPoint& point) const;

    OralixSession& session_;
    QList<SentenceRow> rows_;
    QList<Geometry> geometry_;
};

} // namespace oralix::ui
