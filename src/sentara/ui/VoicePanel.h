#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace sentara {
struct SentenceView;
}

namespace sentara::ui {

// The voice view (mode 6): the English and the Chinese of the sentence with its own first, back
// and next commands; each new sentence is played once by the session.
class VoicePanel : public QWidget {
    Q_OBJECT
public:
    explicit VoicePanel(QWidget* parent = nullptr);

    void setLessonTitle(const QString& title);
    void render(const SentenceView& view);
    void setTextScale(double scale);

signals:
    void firstClicked();
    void backClicked();
    void nextClicked();

private:
    QLabel* title_;
    QLabel* english_;
    QLabel* chinese_;
    QLabel* counter_;
    QPushButton* first_;
    QPushButton* back_;
    QPushButton* next_;
};

} // namespace sentara::ui
