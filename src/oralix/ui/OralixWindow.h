#pragma once

#include "oralix/core/OralixView.h"
#include "oralix/ui/SettingsWindow.h"
#include "platform/QtScreen.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

class QLabel;
class QMenu;
class QPushButton;

namespace oralix {
class OralixSession;
}

namespace oralix::ui {

class PracticePanel;
class SentenceBar;

// The compact trainer's window: frameless, always on top, near the top-left of the screen,
// dragged by its background and its sentence lines, sized to the sentence on display.
class OralixWindow : public QWidget {
    Q_OBJECT
public:
    explicit OralixWindow(OralixSession& session, QWidget* parent = nullptr);

    void render();
    SentenceBar* sentenceBar() const { return bar_; }
    PracticePanel* practicePanel() const { return practice_; }
    QMenu* contextMenu() const { return menu_; }
    SettingsWindow* settingsWindow() const { return settings_; }
    void setPracticePanelShown(bool shown);
    void openSettings();
    void focusTypingBox();
    // Closing without a message box when the settings cannot be written (signals, tests).
    void setQuietClose(bool quiet) { quietClose_ = quiet; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void addShortcuts();

    OralixSession& session_;
    platform::QtScreen screen_;
    QWidget* header_;
    QLabel* title_;
    QPushButton* panelToggle_;
    SentenceBar* bar_;
    PracticePanel* practice_;
    QMenu* menu_ = nullptr;
    QPointer<SettingsWindow> settings_;
    QPoint dragOffset_;
    bool dragging_ = false;
    bool quietClose_ = false;
    bool closed_ = false;
};

} // namespace oralix::ui
