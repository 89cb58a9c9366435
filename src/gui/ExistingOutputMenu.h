#pragma once
// The Advanced menu's "When an output exists" submenu: ask (as designed), replace or skip, one checked.

#include "core/Question.h"

#include <QObject>

#include <cstdint>

class QAction;
class QActionGroup;
class QMenu;

namespace clipvane {

class TExistingOutputMenu final : public QObject {
    Q_OBJECT

public:
    // Adds the submenu to the end of `menu`.
    explicit TExistingOutputMenu(QMenu& menu);

    TExistingOutput Choice() const { return m_choice; }
    void SetChoice(TExistingOutput choice);
    // The value kept under "WhenOutputExists" in the settings, and back.
    std::int32_t SettingValue() const { return static_cast<std::int32_t>(m_choice); }
    void SetSettingValue(std::int32_t value);

private:
    void Check();

    TExistingOutput m_choice = TExistingOutput::Ask;
    QActionGroup* m_group = nullptr;
    QAction* m_ask = nullptr;
    QAction* m_replace = nullptr;
    QAction* m_skip = nullptr;
};

} // namespace clipvane
