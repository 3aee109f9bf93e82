#include "FullTextWiring.h"

#include "CoverListPanel.h"
#include "FullTextWordPanel.h"
#include "OptionsMenu.h"

#include "sentara/course/SentaraSession.h"
#include "sentara/modes/CoverPractice.h"
#include "sentara/modes/FullTextMode.h"

#include <QAction>

namespace sentara::ui {

void wireFullTextWords(SentaraSession& session, FullTextWordPanel* words,
                       std::function<OptionsMenu*()> wordsMenu, QObject* context) {
    FullTextMode& fullText = session.fullText();
    QObject::connect(words, &FullTextWordPanel::wordClicked, context,
                     [&fullText](int sentence, int position, Qt::MouseButton button,
                                 Qt::KeyboardModifiers modifiers) {
                         if (button == Qt::LeftButton) {
                             fullText.clickWord(sentence, position);
                         } else if (button == Qt::RightButton) {
                             fullText.lookUpWord(sentence, position,
                                                 modifiers.testFlag(Qt::ControlModifier));
                         }
                     });
    QObject::connect(words, &FullTextWordPanel::wordDoubleClicked, context,
                     [&fullText] { fullText.doubleClickWord(); });
    QObject::connect(words, &FullTextWordPanel::hornClicked, context,
                     [&fullText](int sentence) { fullText.playSentence(sentence); });
    QObject::connect(words, &FullTextWordPanel::backgroundClicked, context,
                     [&fullText] { fullText.backgroundClicked(); });
    QObject::connect(words, &FullTextWordPanel::chineseToggleClicked, context,
                     [&fullText] { fullText.toggleChineseLines(); });
    QObject::connect(words, &FullTextWordPanel::readAllClicked, context,
                     [&fullText] { fullText.toggleReadAll(); });
    QObject::connect(words, &FullTextWordPanel::pauseClicked, context,
                     [&fullText] { fullText.togglePause(); });
    QObject::connect(words, &FullTextWordPanel::scrolledByCommand, context,
                     [&fullText] { fullText.scrollCommandUsed(); });
    QObject::connect(words, &FullTextWordPanel::searchEdited, context,
                     [&fullText](const QString& text) { fullText.editSearch(text); });
    QObject::connect(words, &FullTextWordPanel::searchEntered, context,
                     [&fullText] { fullText.findNext(); });
    QObject::connect(
        words, &FullTextWordPanel::settingsClicked, context,
        [wordsMenu = std::move(wordsMenu)](const QPoint& where) { wordsMenu()->popup(where); });
}

void wireCoverList(SentaraSession& session, CoverListPanel* list,
                   std::function<OptionsMenu*()> listMenu, QObject* context) {
    CoverPractice& cover = session.coverPractice();
    QObject::connect(list, &CoverListPanel::linePressed, context,
                     [&cover](int sentence, CoverPart part) { cover.pressLine(sentence, part); });
    QObject::connect(list, &CoverListPanel::lineReleased, context,
                     [&cover](int sentence, CoverPart part) { cover.releaseLine(sentence, part); });
    QObject::connect(list, &CoverListPanel::hornPressed, context,
                     [&cover](int sentence) { cover.pressHorn(sentence); });
    QObject::connect(list, &CoverListPanel::hornReleased, context,
                     [&cover](int sentence) { cover.releaseHorn(sentence); });
    QObject::connect(list, &CoverListPanel::englishDoubleClicked, context,
                     [&cover](int sentence) { cover.doubleClickEnglish(sentence); });
    QObject::connect(list, &CoverListPanel::restoreClicked, context, [&cover] { cover.restore(); });
    QObject::connect(list, &CoverListPanel::scrolledByCommand, context,
                     [&cover] { cover.scrollCommandUsed(); });
    QObject::connect(list, &CoverListPanel::searchEdited, context,
                     [&cover](const QString& text) { cover.editSearch(text); });
    QObject::connect(list, &CoverListPanel::searchEntered, context, [&cover] { cover.findNext(); });
    QObject::connect(list, &CoverListPanel::positionsChanged, context,
                     [&session](double listTop, double handleTop) {
                         session.setSentencePanelPositions(listTop, handleTop);
                     });
    QObject::connect(
        list, &CoverListPanel::settingsClicked, context,
        [listMenu = std::move(listMenu)](const QPoint& where) { listMenu()->popup(where); });
}

void wireFullTextMenu(SentaraSession& session, OptionsMenu* menu, QObject* context) {
    QObject::connect(
        menu, &OptionsMenu::familyChosen, context,
        [&session](OptionFamily family, int index) { session.selectOption(family, index); });
    if (QAction* help = menu->findChild<QAction*>(QStringLiteral("SetKeyWord"))) {
        QObject::connect(help, &QAction::triggered, context,
                         [&session] { session.SetKeyWord_Click(); });
    }
    if (QAction* colour = menu->findChild<QAction*>(QStringLiteral("KeyWordColor"))) {
        QObject::connect(colour, &QAction::triggered, context,
                         [&session] { session.KeyWordColor_Click(); });
    }
}

} // namespace sentara::ui
