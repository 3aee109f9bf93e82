#include "WindowFixture.h"

#include "support/SentenceSpec.h"
#include "support/SimulatedPlayer.h"

#include <QApplication>
#include <QStringList>

namespace uitest {

namespace {

QStringList titles(const QString& prefix, int count) {
    QStringList result;
    for (int i = 1; i <= count; ++i) {
        result << QStringLiteral("%1 %2").arg(prefix).arg(i);
    }
    return result;
}

support::SentenceSpec sentence(const QString& english, const QString& chinese, double start,
                               double end, const QString& keyWord = QString()) {
    support::SentenceSpec spec = support::sentence(english, chinese, start, end);
    if (!keyWord.isEmpty()) {
        spec.keyWords << keyWord;
    }
    return spec;
}

} // namespace

void buildSmallCourse(support::CourseBuilder& course) {
    const QString book1 = QString::fromLatin1(kBook1);
    const QString book2 = QString::fromLatin1(kBook2);
    course.bookList(book1, titles(QStringLiteral("Step"), 60))
        .bookList(book2, titles(QStringLiteral("Voice"), 60))
        .lesson(book1, 1,
                {sentence(QStringLiteral("Good morning."), QStringLiteral("早上好。"), 0.5, 2.0),
                 sentence(QStringLiteral("Wake up."), QStringLiteral("醒醒。"), 2.5, 4.0)})
        .lesson(book1, 2,
                {sentence(QStringLiteral("I get up at seven."), QStringLiteral("我七点起床。"), 0.5,
                          2.5),
                 sentence(QStringLiteral("I wash my face."), QStringLiteral("我洗脸。"), 3.0, 5.0),
                 sentence(QStringLiteral("Then I eat breakfast."), QStringLiteral("然后我吃早饭。"),
                          5.5, 8.0, QStringLiteral("breakfast")),
                 sentence(QStringLiteral("I take the bus, at 8."),
                          QStringLiteral("八点我坐公共汽车。"), 8.5, 11.0),
                 sentence(QStringLiteral("School starts at nine."),
                          QStringLiteral("九点开始上课。"), 11.5, 14.0)})
        .lesson(book2, 1,
                {sentence(QStringLiteral("Where is the station?"), QStringLiteral("车站在哪里？"),
                          0.5, 2.5),
                 sentence(QStringLiteral("Turn left."), QStringLiteral("向左转。"), 3.0, 4.5),
                 sentence(QStringLiteral("Thank you."), QStringLiteral("谢谢。"), 5.0, 6.0)})
        .lesson(QString::fromLatin1(kVideoBook), 1,
                {sentence(QStringLiteral("Action!"), QStringLiteral("开拍！"), 0.5, 1.5)})
        .media(QString::fromLatin1(kVideoBook), QStringLiteral("1.wmv"), 2000)
        .media(book1, QStringLiteral("1.mp3"), 5000)
        .media(book1, QStringLiteral("2.mp3"), 15000)
        .media(book2, QStringLiteral("1.mp3"), 7000)
        .studySettings(smallCourseSettings().format());
}

sentara::StudySettings smallCourseSettings() {
    sentara::StudySettings settings;
    settings.catalogueNodeIndex = 3;
    settings.resumeSentence = 3;
    settings.modeIndex = 2;
    settings.readCount = {1, 1, 1, 1, 1};
    settings.pauseMs = {1000, 1000, 1000, 1000, 1000};
    settings.keyWordColour = 255;
    settings.engineChoice = 2;
    return settings;
}

RunningWindow::RunningWindow(support::CourseBuilder& course)
    : folder(course.folder()), engines(clock, course.media()), recorder(clock),
      session(folder, clock, engines, recorder, sounds, dialogs, shell, measure, screen) {
    window = std::make_unique<sentara::ui::SentaraWindow>(session, folder);
    session.start();
    window->showCatalogue();
    window->show();
    QApplication::processEvents();
}

RunningWindow::~RunningWindow() {
    if (window && window->isVisible()) {
        window->close();
    }
    window.reset();
}

support::SimulatedPlayer* RunningWindow::sentencePlayer() const {
    return engines.latest(ports::MediaEngines::Role::Sentence);
}

bool RunningWindow::isPlaying() const {
    const support::SimulatedPlayer* player = sentencePlayer();
    return player && player->state() == ports::MediaPlayer::State::Playing;
}

} // namespace uitest
