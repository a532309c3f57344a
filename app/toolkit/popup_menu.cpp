#include "app/toolkit/popup_menu.h"

#include <QAction>
#include <QMenu>
#include <utility>

namespace toolkit {

namespace {

PopupMenu::Presenter& presenter() {
    static PopupMenu::Presenter instance;
    return instance;
}

} // namespace

PopupMenu::PopupMenu(QString name, QString caption)
    : name_(std::move(name))
    , caption_(std::move(caption)) {}

PopupMenu::~PopupMenu() = default;

PopupMenu::Item& PopupMenu::addItem(const QString& name, const QString& caption) {
    items_.push_back(std::make_unique<Item>(Item{name, caption, {}}));
    return *items_.back();
}

PopupMenu::Item* PopupMenu::item(const QString& name) {
    for (const auto& entry : items_) {
        if (entry->name == name)
            return entry.get();
    }
    return nullptr;
}

void PopupMenu::Popup(QWidget* owner, const QPoint& globalPosition) {
    QMenu menu(owner);
    std::vector<std::pair<QAction*, Item*>> actions;
    for (const auto& entry : items_) {
        if (entry->caption == QLatin1String("-")) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(entry->caption);
        action->setObjectName(entry->name);
        actions.emplace_back(action, entry.get());
    }
    QAction* chosen = presenter() ? presenter()(menu, globalPosition) : menu.exec(globalPosition);
    if (!chosen)
        return;
    for (const auto& [action, entry] : actions) {
        if (action == chosen && entry->Click) {
            // The handler may run long and yield; the menu is closed by now.
            std::function<void()> click = entry->Click;
            click();
            return;
        }
    }
}

void PopupMenu::setPresenter(Presenter replacement) {
    presenter() = std::move(replacement);
}

} // namespace toolkit
