#include "ScreenshotTour.h"

#include "SentaraWindow.h"

#include "sentara/course/SentaraSession.h"

#include <QDir>
#include <QPixmap>
#include <QTimer>

namespace sentara::ui {

ScreenshotTour::ScreenshotTour(SentaraSession& session, SentaraWindow& window, QString folder,
                               QList<int> modes, QObject* parent)
    : QObject(parent), session_(session), window_(window), folder_(std::move(folder)),
      modes_(std::move(modes)) {
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
        const QString path = QDir(folder_).filePath(fileName(modes_.at(position - 1)));
        if (window_.grab().save(path)) {
            ++saved_;
        }
    }
    if (position >= modes_.size()) {
        emit finished(saved_);
        window_.close();
        return;
    }
    session_.TabImage_Click(modes_.at(position));
    QTimer::singleShot(settleMs_, this, [this, position] { visit(position + 1); });
}

} // namespace sentara::ui
