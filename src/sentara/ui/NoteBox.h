#pragma once

#include <QPlainTextEdit>

namespace sentara::ui {

// The learner's note on a sentence. Reports its text each time it loses the focus.
class NoteBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit NoteBox(QWidget* parent = nullptr);

    // Replaces the text without reporting it.
    void setNote(const QString& text);

signals:
    void editingFinished(const QString& text);

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace sentara::ui
