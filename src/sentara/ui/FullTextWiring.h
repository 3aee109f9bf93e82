#pragma once

class QObject;

namespace sentara {
class SentaraSession;
}

namespace sentara::ui {

class CoverListPanel;
class FullTextWordPanel;
class OptionsMenu;

// Forwards the learner's actions on the full-text word view and the full-text list, and on
// their menus, to the session's components for modes 1 and 3.
void wireFullTextPanels(SentaraSession& session, FullTextWordPanel* words, OptionsMenu* wordsMenu,
                        CoverListPanel* list, OptionsMenu* listMenu, QObject* context);

} // namespace sentara::ui
