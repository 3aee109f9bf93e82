#pragma once

#include <QObject>
#include <QString>

namespace oralix {
class OralixSession;
}

namespace oralix::ui {

class OralixWindow;

// Saves a picture of sentence study and of the full-text view into a folder, then closes the
// window: "Oralix --screenshot-dir <folder>".
class ScreenshotTour : public QObject {
    Q_OBJECT
public:
    ScreenshotTour(OralixSession& session, OralixWindow& window, QString folder,
                   QObject* parent = nullptr);
    void start();

private:
    bool save(const QString& name);

    OralixSession& session_;
    OralixWindow& window_;
    QString folder_;
};

} // namespace oralix::ui
