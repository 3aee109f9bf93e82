#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <functional>

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

    // Runs `step` once the tour has switched to `mode`, before its picture is taken (hints
    // given, a word typed).
    void prepare(int mode, std::function<void()> step);
    // What a picture shows: the main window, or the screen around it and the windows it owns
    // (the floating video window).
    enum class Capture { Window, WithOwnedWindows };
    // One more picture of `mode` after the others, "<folder>/sentara-<n>-<name>-<suffix>.png"
    // ("<folder>/sentara-<n>-<name>.png" without a suffix), taken after `step`.
    void addShot(int mode, const QString& suffix, std::function<void()> step,
                 Capture capture = Capture::Window);

    void start(int settleMs = 600);
    static QString fileName(int mode);

signals:
    void finished(int saved);

private:
    struct Shot {
        int mode = 0;
        QString fileName;
        std::function<void()> step;
        Capture capture = Capture::Window;
    };

    void visit(int position);
    QPixmap picture(Capture capture) const;

    SentaraSession& session_;
    SentaraWindow& window_;
    QString folder_;
    QList<Shot> shots_;
    int settleMs_ = 600;
    int saved_ = 0;
};

} // namespace sentara::ui
