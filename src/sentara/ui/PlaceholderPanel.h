#pragma once

#include <QWidget>

class QLabel;

namespace sentara::ui {

// The frame of a study mode whose view this window does not show yet: the lesson title and the
// mode's name.
class PlaceholderPanel : public QWidget {
    Q_OBJECT
public:
    PlaceholderPanel(const QString& objectName, const QString& modeCaption,
                     QWidget* parent = nullptr);

    void setLessonTitle(const QString& title);
    void setTextScale(double scale);

private:
    QLabel* title_;
    QLabel* caption_;
};

} // namespace sentara::ui
