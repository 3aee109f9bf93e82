#include "oralix/ui/FullTextCanvas.h"

#include "platform/Fonts.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace oralix::ui {

namespace {

constexpr int kLeft = 36;      // English and Chinese start here; the number sits left of it
constexpr int kPlayWidth = 22; // the play icon right of the texts
constexpr int kGap = 4;
const QColor kPaper(0xFF, 0xFE, 0xF6);
const QColor kInk(0x20, 0x20, 0x28);
const QColor kChineseInk(0x40, 0x48, 0x70);
const QColor kFrame(0xE4, 0xEA, 0xF6);
const QColor kUnderline(0xD0, 0x30, 0x30);

QFont englishFont() {
    return platform::Fonts::word(12);
}
QFont chineseFont() {
    return platform::Fonts::ui(11);
}

} // namespace

FullTextCanvas::FullTextCanvas(OralixSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("Picture2"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kPaper);
    setPalette(p);
}

void FullTextCanvas::render(const QList<SentenceRow>& rows, int width) {
    rows_ = rows;
    geometry_.clear();
    const QFontMetrics em(englishFont());
    const QFontMetrics cm(chineseFont());
    const int textWidth = qMax(100, width - kLeft - kPlayWidth - 2 * kGap);
    int y = 8;
    for (const SentenceRow& row : rows_) {
        Geometry g;
        const QRect e = em.boundingRect(QRect(0, 0, textWidth, 10000), Qt::TextWordWrap, row.line);
        g.english = QRect(kLeft, y, textWidth, qMax(e.height(), em.height()));
        g.number = QRect(0, y, kLeft - kGap, em.height());
        g.play = QRect(kLeft + textWidth + kGap, y, kPlayWidth, em.height());
        y = g.english.bottom() + kGap;
        const QRect c =
            cm.boundingRect(QRect(0, 0, textWidth, 10000), Qt::TextWordWrap, row.chinese);
        g.chinese = QRect(kLeft, y, textWidth, qMax(c.height(), cm.height()));
        y = g.chinese.bottom() + 12;
        geometry_.append(g);
    }
    setFixedSize(width, y + 8);
    update();
}

int FullTextCanvas::englishBottom(int row) const {
    return row >= 1 && row <= geometry_.size() ? geometry_[row - 1].english.bottom() : 0;
}

QRect FullTextCanvas::partRect(int row, OralixSession::RowPart part) const {
    using Part = OralixSession::RowPart;
    if (row < 1 || row > geometry_.size()) {
        return {};
    }
    const Geometry& g = geometry_[row - 1];
    switch (part) {
    case Part::PlayIcon:
        return g.play;
    case Part::English:
    case Part::EnglishFrame:
        return g.english;
    case Part::Chinese:
    case Part::ChineseFrame:
        return g.chinese;
    }
    return {};
}

void FullTextCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (qsizetype i = 0; i < rows_.size(); ++i) {
        const SentenceRow& row = rows_[i];
        const Geometry& g = geometry_[i];
        if (row.englishFrame) {
            painter.fillRect(g.english.adjusted(-2, -1, 2, 1), kFrame);
        }
        if (row.chineseFrame) {
            painter.fillRect(g.chinese.adjusted(-2, -1, 2, 1), kFrame);
        }
        painter.setFont(englishFont());
        painter.setPen(kInk);
        painter.drawText(g.number, Qt::AlignRight | Qt::AlignTop, row.number);
        if (row.englishShown) {
            painter.drawText(g.english, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, row.line);
        }
        if (row.underline) {
            painter.setPen(QPen(kUnderline, 2));
            painter.drawLine(g.english.bottomLeft() + QPoint(0, 2),
                             g.english.bottomRight() + QPoint(0, 2));
        }
        if (row.playIcon) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0x50, 0x70, 0xB0));
            const QRect p = g.play.adjusted(5, 3, -5, -3);
            painter.drawPolygon(
                QPolygon({p.topLeft(), p.bottomLeft(), QPoint(p.right(), p.center().y())}));
        }
        if (row.chineseShown) {
            painter.setFont(chineseFont());
            painter.setPen(kChineseInk);
            painter.drawText(g.chinese, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                             row.chinese);
        }
    }
}

std::optional<FullTextCanvas::Hit> FullTextCanvas::hitAt(const QPoint& point) const {
    using Part = OralixSession::RowPart;
    for (qsizetype i = 0; i < geometry_.size(); ++i) {
        const Geometry& g = geometry_[i];
        const SentenceRow& row = rows_[i];
        const int n = int(i + 1);
        if (row.playIcon && g.play.contains(point)) {
            return Hit{n, Part::PlayIcon};
        }
        if (g.english.adjusted(-2, -2, 2, 2).contains(point)) {
            return Hit{n, row.englishFrame ? Part::EnglishFrame : Part::English};
        }
        if (g.chinese.adjusted(-2, -2, 2, 2).contains(point)) {
            return Hit{n, row.chineseFrame ? Part::ChineseFrame : Part::Chinese};
        }
    }
    return std::nullopt;
}

void FullTextCanvas::mouseReleaseEvent(QMouseEvent* event) {
    setFocus();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const std::optional<Hit> hit = hitAt(event->position().toPoint());
    if (hit) {
        session_.rowClicked(hit->row, hit->part);
    } else {
        session_.textAreaClicked();
    }
}

void FullTextCanvas::mouseMoveEvent(QMouseEvent* event) {
    using Part = OralixSession::RowPart;
    const std::optional<Hit> hit = hitAt(event->position().toPoint());
    bool clickable = false;
    if (hit) {
        const SentenceRow& row = rows_[hit->row - 1];
        clickable = hit->part == Part::PlayIcon || hit->part == Part::EnglishFrame ||
                    hit->part == Part::ChineseFrame ||
                    (hit->part == Part::English && row.englishClickable) ||
                    (hit->part == Part::Chinese && row.chineseClickable);
    }
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void FullTextCanvas::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        emit keyScroll(event->key());
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace oralix::ui
