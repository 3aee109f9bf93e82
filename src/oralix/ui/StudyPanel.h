#pragma once

#include "oralix/core/OralixView.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace oralix {
class OralixSession;
}

namespace oralix::ui {

class TypingBox;

// Sentence study: the line toggles, the sentence counter, navigation, speed and the typing box.
class StudyPanel : public QWidget {
    Q_OBJECT
public:
    StudyPanel(OralixSession& session, QWidget* parent = nullptr);

    void render(const OralixView& view);
    TypingBox* typingBox() const { return typing_; }

private:
    OralixSession& session_;
    QCheckBox* englishCheck_;
    QCheckBox* chineseCheck_;
    QLabel* counter_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* nextLesson_;
    QRadioButton* speeds_[3];
    TypingBox* typing_;
};

} // namespace oralix::ui
