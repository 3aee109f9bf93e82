#include "ScreenshotTour.h"

#include "SentaraWindow.h"

#include "sentara/course/SentaraSession.h"

#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace sentara::ui {

ScreenshotTour::ScreenshotTour(SentaraSession& session, SentaraWindow& window, QString folder,
                               QList<int> modes, QObject* parent)
    : QObject(parent), session_(session), window_(window), folder_(std::move(folder)) {
    for (int mode : modes) {
        shots_.append({mode, fileName(mode), {}});
    }
}

void ScreenshotTour::prepare(int mode, std::function<void()> step) {
    for (Shot& shot : shots_) {
        if (shot.mode == mode && shot.fileName == fileName(mode)) {
            shot.step = step;
        }
    }
}

void ScreenshotTour::addShot(int mode, const QString& suffix, std::function<void()> step,
                             Capture capture) {
    QString name = fileName(mode);
    if (!suffix.isEmpty()) {
        name.insert(name.size() - 4, QLatin1Char('-') + suffix);
    }
    shots_.append({mode, name, std::move(step), capture});
}

QPixmap ScreenshotTour::picture(Capture capture) const {
    if (capture == Capture::Window) {
        return window_.grab();
    }
    // Windows of their own are not in a grab of the main window: take the screen around them.
    QRect area = window_.frameGeometry();
    for (const QWidget* owned : window_.findChildren<QWidget*>()) {
        if (owned->isWindow() && owned->isVisible()) {
            area = area.united(owned->frameGeometry());
        }
    }
    return window_.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}

QString ScreenshotTour::fileName(int mode) {
    static const char* const names[] = {"",      "fulltext", "sentence", "cover",  "dictation",
                                        "video", "voice",    "spelling", "recall", "fillin"};
    const char* name = mode >= 1 && mode <= 9 ? names[mode] : "mode";
    return QStringLiteral("sentara-%1-%2.png").arg(mode).arg(QString::fromLatin1(name));
}

void ScreenshotTour::start(int settleMs) {
    settleMs_ = settleMs;
    QDir().mkpath(folder_);
    QTimer::singleShot(settleMs_, this, [this] { visit(0); });
}

void ScreenshotTour::visit(int position) {
    if (position > 0) {
        const QString path = QDir(folder_).filePath(shots_.at(position - 1).fileName);
        if (picture(shots_.at(position - 1).capture).save(path)) {
            ++saved_;
        }
    }
    if (position >= shots_.size()) {
        emit finished(saved_);
        window_.close();
        return;
    }
    session_.TabImage_Click(shots_.at(position).mode);
    if (shots_.at(position).step) {
        shots_.at(position).step();
    }
    QTimer::singleShot(settleMs_, this, [this, position] { visit(position + 1); });
}

} // namespace sentara::ui
