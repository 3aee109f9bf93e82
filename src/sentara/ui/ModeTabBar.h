#pragma once

#include <QList>
#include <QWidget>

class QFrame;
class QToolButton;

namespace sentara::ui {

// The row of the nine study-mode tabs with a marker under the selected one. Tabs report clicks;
// which tab is selected and which tabs are shown is set from outside.
class ModeTabBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kModeCount = 9;

    explicit ModeTabBar(QWidget* parent = nullptr);

    static QString caption(int mode);

    void setSelected(int mode);
    int selected() const { return selected_; }
    void setTabVisible(int mode, bool visible);
    bool isTabVisible(int mode) const;
    QToolButton* tab(int mode) const; // 1..9
    QFrame* marker() const { return marker_; }

signals:
    void tabClicked(int mode);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeMarker();

    QList<QToolButton*> tabs_; // index mode - 1
    QFrame* marker_;
    int selected_ = 0;
};

} // namespace sentara::ui
