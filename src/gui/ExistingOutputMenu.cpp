#include "gui/ExistingOutputMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace clipvane {

TExistingOutputMenu::TExistingOutputMenu(QMenu& menu)
    : QObject(&menu) {
    QMenu* sub = menu.addMenu(tr("&When an output exists"));
    sub->setObjectName(QStringLiteral("miWhenOutputExists"));
    sub->menuAction()->setObjectName(QStringLiteral("miWhenOutputExistsItem"));
    m_group = new QActionGroup(sub);
    m_group->setExclusive(true);
    const auto item = [&](const char* name, const QString& text, TExistingOutput choice) {
        QAction* action = sub->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        m_group->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] { m_choice = choice; });
        return action;
    };
    m_ask = item("miExistingAsk", tr("&Ask"), TExistingOutput::Ask);
    m_replace = item("miExistingReplace", tr("&Replace"), TExistingOutput::Replace);
    m_skip = item("miExistingSkip", tr("&Skip"), TExistingOutput::Skip);
    Check();
}

void TExistingOutputMenu::SetChoice(TExistingOutput choice) {
    m_choice = choice;
    Check();
}

void TExistingOutputMenu::SetSettingValue(std::int32_t value) {
    // A value this build does not know asks, as the program always did.
    SetChoice(value == 1   ? TExistingOutput::Replace
              : value == 2 ? TExistingOutput::Skip
                           : TExistingOutput::Ask);
}

void TExistingOutputMenu::Check() {
    m_ask->setChecked(m_choice == TExistingOutput::Ask);
    m_replace->setChecked(m_choice == TExistingOutput::Replace);
    m_skip->setChecked(m_choice == TExistingOutput::Skip);
}

} // namespace clipvane
