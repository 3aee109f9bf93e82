#include "oralix/ui/ScreenshotTour.h"

#include "oralix/core/OralixSession.h"
#include "oralix/ui/OralixWindow.h"

#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <functional>

namespace oralix::ui {

ScreenshotTour::ScreenshotTour(OralixSession& session, OralixWindow& window, QString folder,
                               QObject* parent)
    : QObject(parent), session_(session), window_(window), folder_(std::move(folder)) {
}

void ScreenshotTour::start() {
    QDir().mkpath(folder_);
    // Each step shows a view, then its picture is taken a moment later.
    const QList<std::pair<QString, std::function<void()>>> steps = {
        {QStringLiteral("oralix-sentence.png"), [] {}},
        {QStringLiteral("oralix-fulltext.png"),
         [this] {
             session_.setStudyMode(2);
             session_.readAllPressed();
         }},
        {QStringLiteral("oralix-recall.png"),
         [this] {
             session_.setStudyMode(3);
             session_.rowClicked(2, OralixSession::RowPart::ChineseFrame);
         }},
        {QStringLiteral("oralix-readalong.png"), [this] { session_.setStudyMode(5); }},
        {QStringLiteral("oralix-settings.png"),
         [this] {
             session_.setStudyMode(1);
             window_.openSettings();
         }},
    };
    int at = 2000;
    for (const auto& [name, show] : steps) {
        QTimer::singleShot(at, this, show);
        QTimer::singleShot(at + 1200, this, [this, name = name] {
            QWidget* settings = window_.settingsWindow();
            if (settings && settings->isVisible()) {
                save(name, *settings);
            } else {
                save(name, window_);
            }
        });
        at += 1500;
    }
    QTimer::singleShot(at, this, [this] {
        window_.setQuietClose(true);
        window_.close();
    });
}

bool ScreenshotTour::save(const QString& name, QWidget& widget) {
    const QString path = QDir(folder_).filePath(name);
    if (!widget.grab().save(path)) {
        qWarning("Oralix: could not save %s", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace oralix::ui
