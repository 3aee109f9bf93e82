#pragma once

#include <QLineEdit>

namespace oralix::ui {

// The typing box of sentence study: Enter asks for the check (and is not typed), every other key
// is typed normally and announced for the key-click sound.
class TypingBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TypingBox(QWidget* parent = nullptr);

signals:
    void checkRequested(const QString& attempt);
    void keyTyped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace oralix::ui
