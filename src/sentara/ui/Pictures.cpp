#include "Pictures.h"

#include "common/CourseFolder.h"

#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace sentara::ui::Pictures {

namespace {

QPixmap canvas(int size = 16) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon bookIcon() {
    QPixmap pixmap = canvas();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x6B, 0x3A, 0x12), 1));
    painter.setBrush(QColor(0xC0, 0x5A, 0x1E));
    painter.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 1.5, 1.5);
    painter.setBrush(QColor(0xF5, 0xEE, 0xDC));
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRectF(4, 12, 9, 2));
    painter.setPen(QPen(QColor(0xF5, 0xEE, 0xDC), 1));
    painter.drawLine(QPointF(6, 4.5), QPointF(11, 4.5));
    painter.drawLine(QPointF(6, 6.5), QPointF(11, 6.5));
    return QIcon(pixmap);
}

QIcon lessonIcon() {
    QPixmap pixmap = canvas();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(10.5, 1.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    painter.setPen(QPen(QColor(0x55, 0x6B, 0x8A), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(page);
    painter.setPen(QPen(QColor(0x8C, 0xA6, 0xC8), 1));
    for (int y = 6; y <= 12; y += 2) {
        painter.drawLine(QPointF(5.5, y + 0.5), QPointF(11.5, y + 0.5));
    }
    return QIcon(pixmap);
}

QIcon settingsIcon() {
    QPixmap pixmap = canvas(20);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(10, 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x4A, 0x5A, 0x70));
    for (int i = 0; i < 8; ++i) {
        painter.drawRect(QRectF(-1.6, -9, 3.2, 4));
        painter.rotate(45);
    }
    painter.drawEllipse(QPointF(0, 0), 6.5, 6.5);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(0, 0), 2.8, 2.8);
    return QIcon(pixmap);
}

QPixmap horn(int size) {
    static QHash<int, QPixmap> drawn;
    if (const auto found = drawn.constFind(size); found != drawn.constEnd()) {
        return *found;
    }
    QPixmap pixmap = canvas(std::max(8, size));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixmap.width() / 16.0, pixmap.height() / 16.0);
    QPainterPath speaker;
    speaker.moveTo(2, 6);
    speaker.lineTo(5, 6);
    speaker.lineTo(9, 2.5);
    speaker.lineTo(9, 13.5);
    speaker.lineTo(5, 10);
    speaker.lineTo(2, 10);
    speaker.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2F, 0x6D, 0xB5));
    painter.drawPath(speaker);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x2F, 0x6D, 0xB5), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(7, 5, 5, 6), -60 * 16, 120 * 16);
    painter.drawArc(QRectF(7, 2.5, 8, 11), -60 * 16, 120 * 16);
    painter.end();
    drawn.insert(size, pixmap);
    return pixmap;
}

QPixmap fromCourse(const common::CourseFolder& folder, const QString& name) {
    const QString path = folder.picture(name);
    if (!QFileInfo::exists(path)) {
        return {};
    }
    return QPixmap(path);
}

QPixmap check(const common::CourseFolder& folder, bool on) {
    QPixmap pixmap =
        fromCourse(folder, on ? QStringLiteral("check_1.jpg") : QStringLiteral("check_0.jpg"));
    if (!pixmap.isNull()) {
        return pixmap;
    }
    pixmap = canvas(16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x55, 0x6B, 0x8A), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(1.5, 1.5, 13, 13));
    if (on) {
        painter.setPen(QPen(QColor(0x1E, 0x7B, 0x34), 2));
        painter.drawPolyline(QPolygonF{QPointF(4, 8), QPointF(7, 11), QPointF(12, 4.5)});
    }
    return pixmap;
}

} // namespace sentara::ui::Pictures
