#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace oralix {

class OralixSession;

// The settings window's state: colours, book and lesson range, playback. Made from the session
// each time the window opens; the book, times and interval act on the session at once, the range
// and the colours only on confirm.
class TrainerSettingsForm {
public:
    enum class Swatch { None, Background, Text };

    // The 16 colours of the palette, as red + 256 * green + 65536 * blue.
    static const std::array<int, 16>& palette();
    static QStringList repeatItems();   // "0" .. "10"
    static QStringList intervalItems(); // "0" .. "10", "20", "30", "60"

    explicit TrainerSettingsForm(OralixSession& session);

    QStringList bookTitles() const;
    QString book() const { return book_; }
    QStringList lessonTitles() const { return lessonTitles_; }
    int startIndex() const { return start_; }
    int endIndex() const { return end_; } // -1 when the end lesson is not in the list
    QString endTitle() const;
    QString times() const { return times_; }
    QString interval() const { return interval_; }
    int background() const { return background_; }
    int text() const { return text_; }
    Swatch activeSwatch() const { return swatch_; }
    bool paletteShown() const { return swatch_ != Swatch::None; }

    void chooseBook(const QString& title); // refills the lesson lists, first lesson everywhere
    void chooseStart(int index);           // the end follows
    void chooseEnd(int index);             // never before the start
    void chooseTimes(const QString& text);
    void chooseInterval(const QString& text);
    void openPalette(Swatch swatch);
    void pickColour(int cell);
    void hidePalette() { swatch_ = Swatch::None; }
    void confirm();

private:
    OralixSession& session_;
    QString book_;
    QStringList lessonTitles_;
    int start_ = 0;
    int end_ = -1;
    QString endTitle_;
    QString times_;
    QString interval_;
    int background_ = 0;
    int text_ = 0;
    Swatch swatch_ = Swatch::None;
};

} // namespace oralix
