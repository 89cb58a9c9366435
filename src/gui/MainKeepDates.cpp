// The Advanced menu's choice to give each output its source's modification time.
#include "gui/Main.h"

#include <QAction>
#include <QMenu>

namespace clipvane {

void TfrmMain::AddKeepDatesItem() {
    miKeepDates = suiPopupMenu1->addAction(tr("&Keep the source's dates"));
    miKeepDates->setObjectName(QStringLiteral("miKeepDates"));
    miKeepDates->setCheckable(true);
    connect(miKeepDates, &QAction::triggered, this, &TfrmMain::miKeepDatesClick);
}

void TfrmMain::miKeepDatesClick() {
    KeepDates = miKeepDates->isChecked();
}

} // namespace clipvane
