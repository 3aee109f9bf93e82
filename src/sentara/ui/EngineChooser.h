#pragma once

#include <QFrame>

class QRadioButton;

namespace sentara::ui {

// The choice of the pronunciation engine: "备用引擎" (Option3) and "默认引擎" (Option4). Shows
// the engine in use and reports the learner's choice; whether it is taken is the session's call.
class EngineChooser : public QFrame {
    Q_OBJECT
public:
    explicit EngineChooser(QWidget* parent = nullptr);

    void setEngine(int engineChoice); // 1 backup, 2 default
    QRadioButton* backupOption() const { return backup_; }
    QRadioButton* defaultOption() const { return default_; }

signals:
    void backupChosen();
    void defaultChosen();

private:
    QRadioButton* backup_;
    QRadioButton* default_;
};

} // namespace sentara::ui
