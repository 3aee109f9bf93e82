#pragma once

#include <functional>

class QObject;

namespace sentara {
class SentaraSession;
}

namespace sentara::ui {

class CoverListPanel;
class FullTextWordPanel;
class OptionsMenu;

// Forward the learner's actions on the full-text word view (mode 1), on the full-text list
// (mode 3) and on their menus to the session's components; each panel opens its menu, which
// `menu` gives (made the first time it is asked for).
void wireFullTextWords(SentaraSession& session, FullTextWordPanel* words,
                       std::function<OptionsMenu*()> wordsMenu, QObject* context);
void wireCoverList(SentaraSession& session, CoverListPanel* list,
                   std::function<OptionsMenu*()> listMenu, QObject* context);
// The full-text menus' choices: their families, and the word view's key-word commands.
void wireFullTextMenu(SentaraSession& session, OptionsMenu* menu, QObject* context);

} // namespace sentara::ui
