// What the toolkit's controls are to a screen reader, over Qt's accessibility: a picture made a
// button is a button with the Press action, checked where it has a state; a label is a label whose
// name is its caption; a widget given a role (an image, a status message) has that role; and a
// group of controls registered as a list (a column of cards) is a list whose items are its visible
// controls (those shown), each named by its accessible name, selected when the list says so. A
// list's items are reached through the list, not as children of their window.
#pragma once

#include <functional>
#include <QAccessible>
#include <QString>
#include <vector>

class QWidget;

namespace toolkit {

// Installs the toolkit's interfaces once per process; harmless when called again.
void installAccessibility();

// The role a screen reader gives the widget (QAccessible::Graphic, QAccessible::AlertMessage ...).
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

struct AccessibleList {
    QString name;
    // Every control that is ever an item of the list, in order; those that show are its items.
    std::function<std::vector<QWidget*>()> items;
    std::function<bool(QWidget* item)> selected;
};
// Makes `list` (a widget lying under the items) the list of those items.
void registerAccessibleList(QWidget* list, AccessibleList description);

// Tells a screen reader that the widget's checked state, or its name, has changed.
void announceStateChange(QWidget* widget);
void announceNameChange(QWidget* widget);
// Tells a screen reader a message the widget shows now, as a status or alert.
void announceAlert(QWidget* widget);

} // namespace toolkit
