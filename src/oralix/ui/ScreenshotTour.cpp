#include "oralix/ui/ScreenshotTour.h"

#include "oralix/core/OralixSession.h"
#include "oralix/ui/OralixWindow.h"

#include <QDir>
#include <QPixmap>
#include <QTimer>

namespace oralix::ui {

ScreenshotTour::ScreenshotTour(OralixSession& session, OralixWindow& window, QString folder,
                               QObject* parent)
    : QObject(parent), session_(session), window_(window), folder_(std::move(folder)) {
}

void ScreenshotTour::start() {
    QDir().mkpath(folder_);
    QTimer::singleShot(2000, this, [this] {
        save(QStringLiteral("oralix-sentence.png"));
        session_.setStudyMode(2);
        QTimer::singleShot(1000, this, [this] {
            save(QStringLiteral("oralix-fulltext.png"));
            window_.setQuietClose(true);
            window_.close();
        });
    });
}

bool ScreenshotTour::save(const QString& name) {
    const QString path = QDir(folder_).filePath(name);
    if (!window_.grab().save(path)) {
        qWarning("Oralix: could not save %s", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace oralix::ui
