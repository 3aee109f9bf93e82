#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace sentara {
class SentaraSession;
}

namespace sentara::ui {

class SentaraWindow;

// Visits the given study modes one after the other, saves a picture of the window in each as
// "<folder>/sentara-<n>-<name>.png", then closes the window. Used to make the documentation's
// pictures; the learner never sees it.
class ScreenshotTour : public QObject {
    Q_OBJECT
public:
    ScreenshotTour(SentaraSession& session, SentaraWindow& window, QString folder, QList<int> modes,
                   QObject* parent = nullptr);

    void start(int settleMs = 600);
    static QString fileName(int mode);

signals:
    void finished(int saved);

private:
    void visit(int position);

    SentaraSession& session_;
    SentaraWindow& window_;
    QString folder_;
    QList<int> modes_;
    int settleMs_ = 600;
    int saved_ = 0;
};

} // namespace sentara::ui
