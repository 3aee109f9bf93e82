#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

class QLabel;

namespace sentara::ui {

class FlowLayout;

// One sentence as a row of word cells that wraps like a paragraph. Words are clickable (hand
// cursor); punctuation and numbers are not. Key words are drawn in the key-word colour.
class WordLine : public QWidget {
    Q_OBJECT
public:
    struct Word {
        QString text;
        bool clickable = false;
        bool keyWord = false;
        bool operator==(const Word&) const = default;
    };

    // `cellName` names the cells: "<cellName>(<k>)" for word k counted from 1.
    WordLine(const QString& cellName, QWidget* parent = nullptr);

    void setWords(const QList<Word>& words, const QColor& keyWordColour);
    int cellCount() const { return static_cast<int>(cells_.size()); }
    QLabel* cell(int index) const; // 1-based

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    // index is 1-based; button and modifiers as pressed.
    void wordClicked(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString cellName_;
    FlowLayout* layout_;
    QList<QLabel*> cells_;
    QList<bool> clickable_;
    QList<Word> words_;
    QColor keyWordColour_;
};

} // namespace sentara::ui
