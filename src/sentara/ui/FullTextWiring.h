#pragma once

class QObject;

namespace sentara {
class SentaraSession;
}

namespace sentara::ui {

class CoverListPanel;
class FullTextWordPanel;
class OptionsMenu;

// Forward the learner's actions on the full-text word view (mode 1), on the full-text list
// (mode 3) and on their menus to the session's components; each panel opens its menu.
void wireFullTextWords(SentaraSession& session, FullTextWordPanel* words, OptionsMenu* wordsMenu,
                       QObject* context);
void wireCoverList(SentaraSession& session, CoverListPanel* list, OptionsMenu* listMenu,
                   QObject* context);
void wireFullTextMenus(SentaraSession& session, OptionsMenu* wordsMenu, OptionsMenu* listMenu,
                       QObject* context);

} // namespace sentara::ui
