#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <map>

// What a screen reader learns of a widget, read through Qt's accessibility interface as an
// assistive technology reads it.
inline QString AccessibleText(QWidget* widget, QAccessible::Text which) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face == nullptr ? QString() : face->text(which);
}
inline QString AccessibleName(QWidget* widget) {
    return AccessibleText(widget, QAccessible::Name);
}
inline QString AccessibleDescription(QWidget* widget) {
    return AccessibleText(widget, QAccessible::Description);
}

// The object names of the controls among Controls that have no accessible name, and of those
// that share their name with an earlier one, as "name" and "name = other".
inline QStringList UnnamedOrAlike(const QList<QWidget*>& Controls) {
    QStringList faults;
    std::map<QString, QString> byName;
    for (QWidget* control : Controls) {
        const QString name = AccessibleName(control);
        if (name.trimmed().isEmpty()) {
            faults << control->objectName();
        } else if (const auto [it, added] = byName.emplace(name, control->objectName()); !added) {
            faults << control->objectName() + " = " + it->second;
        }
    }
    return faults;
}
