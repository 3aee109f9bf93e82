#pragma once

#include <QRect>
#include <QWidget>
#include <functional>

class QPushButton;
class QScrollBar;

namespace sentara::ui {

// A text canvas taller than its frame: the canvas moves up and down inside the frame (the
// viewport), moved by the learner with the up and down commands, the wheel and a draggable thumb,
// and by the window to the top, to a stored position or to keep a part of the text in view.
// What the window asked for is kept and applied again whenever the canvas or the frame changes
// size (a hidden panel gets its real size only when it is shown); the learner's own scrolling
// replaces it. The commands are shown only while the canvas is taller than the frame.
//
// The settings file keeps positions in twips; here 1 pixel is 15 twips (a 96 DPI screen).
class TextScroller : public QWidget {
    Q_OBJECT
public:
    struct Names {
        QString viewport; // the frame the canvas moves in
        QString up;       // moves the canvas towards its start
        QString down;
        QString thumb; // the draggable scroll handle
    };
    static constexpr int kTwipsPerPixel = 15;
    // The start position of the thumb, in twips (just below the up command).
    static constexpr double kHandleStartTwips = 255;
    // One press of a scroll command moves the canvas 500 twips.
    static constexpr int kCommandStep = 500 / kTwipsPerPixel;

    // The canvas must answer heightForWidth(): its height at the frame's width.
    TextScroller(const Names& names, QWidget* canvas, QWidget* parent = nullptr);

    QWidget* viewport() const { return viewport_; }
    QPushButton* upCommand() const { return up_; }
    QPushButton* downCommand() const { return down_; }
    QScrollBar* thumb() const { return thumb_; }

    // How far the canvas is scrolled, in pixels (0 = its top in the frame), and how far it can be.
    int offset() const { return offset_; }
    int maximum() const;

    void scrollToTop();
    void scrollToOffset(int offset);
    // Keeps `area` (canvas coordinates, asked again after every change of size) wholly in view:
    // when it is not, it is centred, or its top is shown when it is taller than the frame.
    void keepInView(std::function<QRect()> area);
    // The canvas changed its content: its height is asked again and the aim applied again.
    void relayout();

    // The position as the settings file keeps it: the canvas top (0 or negative) and the thumb's
    // top, placed in proportion between its start and the down command, both in twips.
    double canvasTopTwips() const;
    double handleTopTwips() const;

signals:
    // The up or down command was used.
    void scrolledByCommand();
    // The canvas moved while the frame is on screen (the learner or the window moved it).
    void moved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum class Aim { Free, Top, Offset, Keep };
    void apply();
    void moveTo(int offset);
    void scrollByLearner(int delta);

    QWidget* canvas_;
    QWidget* viewport_;
    QPushButton* up_;
    QPushButton* down_;
    QScrollBar* thumb_;
    Aim aim_ = Aim::Top;
    int aimOffset_ = 0;
    std::function<QRect()> keepArea_;
    int offset_ = 0;
    bool settingThumb_ = false;
};

} // namespace sentara::ui
