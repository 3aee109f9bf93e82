#include "OptionsMenu.h"

#include "sentara/course/SessionView.h"

#include <QActionGroup>

namespace sentara::ui {

OptionsMenu::OptionsMenu(const QString& objectName, const QString& title, QWidget* parent)
    : QMenu(title, parent) {
    setObjectName(objectName);
}

OptionsMenu* OptionsMenu::sentenceMenu(QWidget* parent) {
    auto* menu =
        new OptionsMenu(QStringLiteral("SenModeSet"), QStringLiteral("句子浏览设置"), parent);
    menu->addToggle(OptionToggle::SenChinese);
    menu->addSeparator();
    menu->addFamily(OptionFamily::SenRead);
    menu->addFamily(OptionFamily::SenPause);
    menu->addSeparator();
    menu->addFamily(OptionFamily::PlayMode);
    return menu;
}

OptionsMenu* OptionsMenu::dictationMenu(QWidget* parent) {
    auto* menu =
        new OptionsMenu(QStringLiteral("WriteSet"), QStringLiteral("听写测试设置"), parent);
    menu->addFamily(OptionFamily::DictationMode);
    menu->addSeparator();
    menu->addFamily(OptionFamily::PassMark);
    menu->addCommand(QStringLiteral("WriteSet6"), QStringLiteral("查看评分标准"));
    menu->addCommand(QStringLiteral("LookResults"), QStringLiteral("查看听写成绩"));
    menu->addSeparator();
    menu->addToggle(OptionToggle::WordChinese);
    menu->addSeparator();
    menu->addFamily(OptionFamily::WriteRead);
    menu->addFamily(OptionFamily::WritePause);
    return menu;
}

OptionsMenu* OptionsMenu::spellingMenu(QWidget* parent) {
    auto* menu =
        new OptionsMenu(QStringLiteral("PenModeSet"), QStringLiteral("自由拼写设置"), parent);
    menu->addFamily(OptionFamily::DictationMode);
    menu->renameFamily(OptionFamily::DictationMode, QStringLiteral("ModeSelect2"),
                       {QStringLiteral("PenMode1"), QStringLiteral("PenMode2")});
    menu->addSeparator();
    menu->addFamily(OptionFamily::PenRead);
    menu->addFamily(OptionFamily::PenPause);
    return menu;
}

void OptionsMenu::renameFamily(OptionFamily family, const QString& menuName,
                               const QStringList& entryNames) {
    if (QMenu* submenu = familyMenu(family)) {
        submenu->setObjectName(menuName);
        submenu->menuAction()->setObjectName(menuName);
    }
    const QList<QAction*> actions = familyActions_.value(static_cast<int>(family));
    for (int i = 0; i < actions.size() && i < entryNames.size(); ++i) {
        actions.at(i)->setObjectName(entryNames.at(i));
    }
}

OptionsMenu* OptionsMenu::fullTextMenu(QWidget* parent) {
    auto* menu =
        new OptionsMenu(QStringLiteral("AllModeSet"), QStringLiteral("全文模式设置"), parent);
    menu->addCommand(QStringLiteral("SetKeyWord"), QStringLiteral("添加/取消重点词"));
    menu->addCommand(QStringLiteral("KeyWordColor"), QStringLiteral("设置重点词颜色"));
    menu->addSeparator();
    menu->addFamily(OptionFamily::AllRead);
    menu->addFamily(OptionFamily::AllPause);
    menu->addSeparator();
    menu->addFamily(OptionFamily::Engine);
    return menu;
}

OptionsMenu* OptionsMenu::coverMenu(QWidget* parent) {
    auto* menu = new OptionsMenu(QStringLiteral("YL"), QStringLiteral("英汉互译设置"), parent);
    menu->addFamilyEntries(OptionFamily::HideMode);
    return menu;
}

QAction* OptionsMenu::addCommand(const QString& objectName, const QString& caption) {
    QAction* action = addAction(caption);
    action->setObjectName(objectName);
    commands_.append(action);
    return action;
}

void OptionsMenu::addFamily(OptionFamily family) {
    auto* submenu = addMenu(OptionFamilies::menuCaption(family));
    submenu->setObjectName(OptionFamilies::menuName(family));
    submenu->menuAction()->setObjectName(OptionFamilies::menuName(family));
    addEntries(submenu, family);
    families_.insert(static_cast<int>(family), submenu);
}

void OptionsMenu::addFamilyEntries(OptionFamily family) {
    addEntries(this, family);
    families_.insert(static_cast<int>(family), this);
}

void OptionsMenu::addEntries(QMenu* menu, OptionFamily family) {
    auto* group = new QActionGroup(menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    QList<QAction*> actions;
    const QList<OptionEntry>& entries = OptionFamilies::entries(family);
    for (int i = 0; i < entries.size(); ++i) {
        QAction* action = menu->addAction(entries.at(i).caption);
        action->setObjectName(entries.at(i).objectName);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, family, i] { emit familyChosen(family, i); });
        actions.append(action);
    }
    familyActions_.insert(static_cast<int>(family), actions);
}

void OptionsMenu::addToggle(OptionToggle toggle) {
    QAction* action = addAction(OptionFamilies::toggleCaption(toggle, false));
    action->setObjectName(OptionFamilies::toggleName(toggle));
    connect(action, &QAction::triggered, this, [this, toggle] { emit toggleChosen(toggle); });
    toggles_.insert(static_cast<int>(toggle), action);
}

void OptionsMenu::render(const OptionsView& options) {
    for (const OptionFamilyView& family : options.families) {
        const QList<QAction*> actions = familyActions_.value(static_cast<int>(family.family));
        for (int i = 0; i < actions.size(); ++i) {
            actions.at(i)->setChecked(i == family.checkedIndex);
        }
    }
    for (const OptionToggleView& toggle : options.toggles) {
        if (QAction* action = toggles_.value(static_cast<int>(toggle.toggle))) {
            action->setText(toggle.caption);
            // An entry whose caption names the action now available needs no check mark.
            const bool namesAction = OptionFamilies::toggleCaption(toggle.toggle, true) !=
                                     OptionFamilies::toggleCaption(toggle.toggle, false);
            action->setCheckable(!namesAction);
            action->setChecked(!namesAction && toggle.checked);
        }
    }
}

QAction* OptionsMenu::entry(const QString& objectName) const {
    for (const QList<QAction*>& actions : familyActions_) {
        for (QAction* action : actions) {
            if (action->objectName() == objectName) {
                return action;
            }
        }
    }
    for (QAction* action : toggles_) {
        if (action->objectName() == objectName) {
            return action;
        }
    }
    for (QAction* action : commands_) {
        if (action->objectName() == objectName) {
            return action;
        }
    }
    return nullptr;
}

QMenu* OptionsMenu::familyMenu(OptionFamily family) const {
    return families_.value(static_cast<int>(family));
}

QAction* OptionsMenu::toggleAction(OptionToggle toggle) const {
    return toggles_.value(static_cast<int>(toggle));
}

} // namespace sentara::ui
