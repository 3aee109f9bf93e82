#pragma once

#include "oralix/core/OralixView.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace oralix {
class OralixSession;
}

namespace oralix::ui {

// Read-along comparison: the sentence, recording, and the model and recording in turn.
class ReadAlongPanel : public QWidget {
    Q_OBJECT
public:
    ReadAlongPanel(OralixSession& session, QWidget* parent = nullptr);

    void render(const OralixView& view);

private:
    OralixSession& session_;
    QLabel* english_;
    QLabel* chinese_;
    QCheckBox* chineseHint_;
    QPushButton* compare_;
    QPushButton* stop_;
    QPushButton* playRecording_;
    QPushButton* previous_;
    QPushButton* next_;
};

} // namespace oralix::ui
