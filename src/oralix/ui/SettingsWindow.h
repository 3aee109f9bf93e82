#pragma once

#include "oralix/core/TrainerSettingsForm.h"

#include <QPoint>
#include <QWidget>

class QComboBox;
class QFrame;

namespace oralix {
class OralixSession;
}

namespace oralix::ui {

// The settings window "设置": colours, book and lesson range, playback. Frameless, dragged
// anywhere; discarded when closed.
class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    SettingsWindow(OralixSession& session, QWidget* parent = nullptr);

    const TrainerSettingsForm& form() const { return form_; }
    QFrame* swatch(TrainerSettingsForm::Swatch which) const;
    QFrame* paletteCell(int cell) const;
    QWidget* palettePanel() const { return palette_; }
    void confirm();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void render();
    void fillLessons();

    TrainerSettingsForm form_;
    QFrame* background_;
    QFrame* text_;
    QWidget* palette_;
    QList<QFrame*> cells_;
    QFrame* highlight_;
    QComboBox* book_;
    QComboBox* start_;
    QComboBox* end_;
    QComboBox* times_;
    QComboBox* interval_;
    QPoint dragOffset_;
};

} // namespace oralix::ui
