#pragma once
// What a screen reader learns about the custom controls: a role, a name, and an action that does
// what a click does.

class QAccessibleInterface;
class QObject;
class QString;

namespace clipvane {

// Makes Qt's accessibility ask AccessibleFor first, and lets a window opened from one driven by keys
// show its focus at once. Run once the application exists; safe to call more than once.
void InstallAccessibles();

// The interface of the flat panel (a combo box), the shift image (a button), the click and URL labels
// (links) and a window made from a plain widget; nullptr for any other object.
QAccessibleInterface* AccessibleFor(const QString& className, QObject* object);

} // namespace clipvane
