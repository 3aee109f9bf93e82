#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace oralix {
class OralixSession;
}

namespace oralix::ui {

class OralixWindow;

// Saves a picture of each view (sentence study, full text while reading, recall, read-along,
// settings) into a folder, then closes the window: "Oralix --screenshot-dir <folder>".
class ScreenshotTour : public QObject {
    Q_OBJECT
public:
    ScreenshotTour(OralixSession& session, OralixWindow& window, QString folder,
                   QObject* parent = nullptr);
    void start();

private:
    bool save(const QString& name, QWidget& widget);

    OralixSession& session_;
    OralixWindow& window_;
    QString folder_;
};

} // namespace oralix::ui
