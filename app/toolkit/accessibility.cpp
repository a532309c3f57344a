#include "app/toolkit/accessibility.h"

#include "app/toolkit/form_window.h"
#include "app/toolkit/image_control.h"
#include "app/toolkit/label.h"

#include <algorithm>
#include <map>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

namespace toolkit {

namespace {

const char* const kRoleProperty = "motorhallAccessibleRole";

struct ListEntry {
    QPointer<QWidget> list;
    AccessibleList description;
};

std::vector<ListEntry>& lists() {
    static std::vector<ListEntry> registered;
    return registered;
}

const ListEntry* listOf(const QWidget* widget) {
    for (const ListEntry& entry : lists()) {
        if (entry.list == widget)
            return &entry;
    }
    return nullptr;
}

// The list whose items hold the widget now.
const ListEntry* listHolding(QWidget* widget) {
    for (const ListEntry& entry : lists()) {
        if (!entry.list)
            continue;
        const std::vector<QWidget*> items = entry.description.items();
        if (std::find(items.begin(), items.end(), widget) != items.end())
            return &entry;
    }
    return nullptr;
}

// A widget whose children may be items of a list: those are left to the list.
class ContainerInterface : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QWidget*> shown = children();
        if (index < 0 || index >= static_cast<int>(shown.size()))
            return nullptr;
        return QAccessible::queryAccessibleInterface(shown[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QWidget*> shown = children();
        const auto found = std::find(shown.begin(), shown.end(), child ? child->object() : nullptr);
        return found == shown.end() ? -1 : static_cast<int>(found - shown.begin());
    }

private:
    std::vector<QWidget*> children() const {
        std::vector<QWidget*> result;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (!child || child->isWindow() || listHolding(child))
                continue;
            result.push_back(child);
        }
        return result;
    }
};

class ButtonInterface : public QAccessibleWidget {
public:
    explicit ButtonInterface(ImageControl* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        if (button()->Checked) {
            s.checkable = true;
            s.checked = button()->Checked();
            s.pressed = s.checked;
        }
        return s;
    }
    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::pressAction() && button()->isEnabled())
            button()->press();
    }

private:
    ImageControl* button() const { return static_cast<ImageControl*>(widget()); }
};

class LabelInterface : public QAccessibleWidget {
public:
    explicit LabelInterface(Label* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<Label*>(widget())->Caption();
        return QAccessibleWidget::text(t);
    }
};

class ListInterface : public QAccessibleWidget {
public:
    explicit ListInterface(QWidget* list)
        : QAccessibleWidget(list, QAccessible::List) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            if (const ListEntry* entry = listOf(widget()))
                return entry->description.name;
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(items().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QWidget*> shown = items();
        if (index < 0 || index >= static_cast<int>(shown.size()))
            return nullptr;
        return QAccessible::queryAccessibleInterface(shown[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QWidget*> shown = items();
        const auto found = std::find(shown.begin(), shown.end(), child ? child->object() : nullptr);
        return found == shown.end() ? -1 : static_cast<int>(found - shown.begin());
    }

private:
    // The members that show.
    std::vector<QWidget*> items() const {
        std::vector<QWidget*> shown;
        if (const ListEntry* entry = listOf(widget())) {
            for (QWidget* item : entry->description.items()) {
                if (item && !item->isHidden())
                    shown.push_back(item);
            }
        }
        return shown;
    }
};

class ListItemInterface : public QAccessibleWidget {
public:
    explicit ListItemInterface(QWidget* item)
        : QAccessibleWidget(item, QAccessible::ListItem) {}

    QAccessibleInterface* parent() const override {
        if (const ListEntry* entry = listHolding(widget()))
            return QAccessible::queryAccessibleInterface(entry->list.data());
        return QAccessibleWidget::parent();
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        if (const ListEntry* entry = listHolding(widget()))
            s.selected = entry->description.selected && entry->description.selected(widget());
        return s;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
};

QAccessibleInterface* toolkitInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (listOf(widget))
        return new ListInterface(widget);
    if (listHolding(widget))
        return new ListItemInterface(widget);
    if (auto* image = dynamic_cast<ImageControl*>(widget); image && image->isButton())
        return new ButtonInterface(image);
    if (auto* label = dynamic_cast<Label*>(widget))
        return new LabelInterface(label);
    const QVariant role = widget->property(kRoleProperty);
    if (role.isValid())
        return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
    if (dynamic_cast<FormWindow*>(widget))
        return new ContainerInterface(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(toolkitInterface);
        return true;
    }();
    (void)installed;
}

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void registerAccessibleList(QWidget* list, AccessibleList description) {
    auto& all = lists();
    all.erase(std::remove_if(all.begin(), all.end(), [](const ListEntry& e) { return !e.list; }),
              all.end());
    all.push_back({list, std::move(description)});
}

void announceStateChange(QWidget* widget) {
    QAccessible::State changed;
    changed.checked = true;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

void announceNameChange(QWidget* widget) {
    QAccessibleEvent event(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void announceAlert(QWidget* widget) {
    QAccessibleEvent event(widget, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

} // namespace toolkit
