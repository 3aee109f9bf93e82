#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

namespace common {
class CourseFolder;
}

namespace sentara {
class FreeSpelling;
}

namespace sentara::ui {

class ClickableLabel;
class TypedInputBox;

// Free spelling (mode 7, PenModePicture): the English line (masked unless its switch is on) and
// the Chinese line ("已关闭" unless on) with their switch pictures, the sentence box, the two cue
// commands, the key legend and the navigation. It renders the FreeSpelling view and forwards every
// action to it.
class SpellingPanel : public QWidget {
    Q_OBJECT
public:
    SpellingPanel(FreeSpelling& spelling, const common::CourseFolder& folder,
                  QWidget* parent = nullptr);

    void setLessonTitle(const QString& title);
    void render();
    void setTextScale(double scale);
    void focusBox();

    TypedInputBox* box() const { return box_; }

signals:
    void settingsClicked(const QPoint& globalPosition); // PrintSetImage

private:
    void showPicture(ClickableLabel* picture, QString& shown, const QString& name, bool on);

    FreeSpelling& spelling_;
    const common::CourseFolder& folder_;
    QLabel* title_;
    QToolButton* settings_;
    ClickableLabel* englishPicture_;
    ClickableLabel* englishCaption_;
    ClickableLabel* english_;
    ClickableLabel* chinesePicture_;
    ClickableLabel* chineseCaption_;
    ClickableLabel* chinese_;
    TypedInputBox* box_;
    QPushButton* cueEnglish_;
    QPushButton* cueChinese_;
    QLabel* cues_;
    QLabel* counter_;
    QLabel* legend_;
    QPushButton* first_;
    QPushButton* back_;
    QPushButton* play_;
    QPushButton* next_;
    QString englishPictureName_;
    QString chinesePictureName_;
};

} // namespace sentara::ui
