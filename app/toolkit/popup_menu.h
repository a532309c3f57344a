// A menu that is never shown in a menu bar, only opened as a pop-up at the mouse position. An item
// whose caption is "-" is a separator line. Opening it waits until an item is chosen or the menu
// is dismissed, then raises that item's Click.
#pragma once

#include <functional>
#include <memory>
#include <QPoint>
#include <QString>
#include <vector>

class QMenu;
class QAction;
class QWidget;

namespace toolkit {

class PopupMenu {
public:
    struct Item {
        QString name;
        QString caption;
        std::function<void()> Click;
    };
    // Shows the menu at a global position and gives the action chosen, or null. Tests replace it
    // to choose without a person.
    using Presenter = std::function<QAction*(QMenu& menu, const QPoint& globalPosition)>;

    PopupMenu(QString name, QString caption);
    ~PopupMenu();

    const QString& Name() const { return name_; }
    const QString& Caption() const { return caption_; }
    // The item's Click is wired through the returned item.
    Item& addItem(const QString& name, const QString& caption);
    Item* item(const QString& name);
    const std::vector<std::unique_ptr<Item>>& items() const { return items_; }

    // Opens the menu at the global position over `owner`.
    void Popup(QWidget* owner, const QPoint& globalPosition);

    static void setPresenter(Presenter presenter);

private:
    QString name_;
    QString caption_;
    std::vector<std::unique_ptr<Item>> items_;
};

} // namespace toolkit
