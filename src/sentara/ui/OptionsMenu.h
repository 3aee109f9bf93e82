#pragma once

#include "sentara/settings/OptionFamilies.h"

#include <QHash>
#include <QList>
#include <QMenu>

class QAction;
class QActionGroup;

namespace sentara {
struct OptionsView;
}

namespace sentara::ui {

// A popup menu of study options: radio families (one submenu each, exactly one entry checked)
// and on/off entries. It shows the settings it is given and reports what the learner picks;
// the settings change only through the session.
class OptionsMenu : public QMenu {
    Q_OBJECT
public:
    OptionsMenu(const QString& objectName, const QString& title, QWidget* parent = nullptr);

    // The sentence view's menu "句子浏览设置".
    static OptionsMenu* sentenceMenu(QWidget* parent = nullptr);
    // The full-text word view's menu "全文模式设置": the key-word help and colour, the full-text
    // read count and pause, the engine.
    static OptionsMenu* fullTextMenu(QWidget* parent = nullptr);
    // The full-text list's menu "英汉互译设置": its three cover modes as entries of the menu.
    static OptionsMenu* coverMenu(QWidget* parent = nullptr);
    // The dictation test's menu "听写测试设置" (WriteSet) and free spelling's "自由拼写设置"
    // (PenModeSet); their plain commands ("查看评分标准", "查看听写成绩") are entry(name).
    static OptionsMenu* dictationMenu(QWidget* parent = nullptr);
    static OptionsMenu* spellingMenu(QWidget* parent = nullptr);

    // A family as a submenu, or as entries of this menu itself.
    void addFamily(OptionFamily family);
    void addFamilyEntries(OptionFamily family);
    void addToggle(OptionToggle toggle);
    // A plain command; the caller connects to its triggered().
    QAction* addCommand(const QString& objectName, const QString& caption);

    // Check marks and captions as the session shows them.
    void render(const OptionsView& options);

    QAction* entry(const QString& objectName) const;
    QMenu* familyMenu(OptionFamily family) const;
    QAction* toggleAction(OptionToggle toggle) const;

signals:
    void familyChosen(sentara::OptionFamily family, int index);
    void toggleChosen(sentara::OptionToggle toggle);

private:
    void addEntries(QMenu* menu, OptionFamily family);
    // Gives a family's submenu and entries other names (the same family in another menu).
    void renameFamily(OptionFamily family, const QString& menuName, const QStringList& entryNames);

    QHash<int, QMenu*> families_;
    QHash<int, QList<QAction*>> familyActions_;
    QHash<int, QAction*> toggles_;
    QList<QAction*> commands_;
};

} // namespace sentara::ui
