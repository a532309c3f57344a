#include "app/toolkit/folder_tree_dialog.h"

#include <algorithm>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <tuple>

namespace toolkit {

namespace {

constexpr QDir::Filters kFolders = QDir::AllDirs | QDir::NoDotAndDotDot;

bool withinHiddenFolder(const QString& path) {
    const QStringList names = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return std::any_of(names.begin(), names.end(),
                       [](const QString& name) { return name.startsWith(QLatin1Char('.')); });
}

} // namespace

FolderTreeDialog::FolderTreeDialog(QWidget* owner, const QString& title,
                                   BrowseCallbackProc callback, std::intptr_t data)
    : QDialog(owner)
    , callback_(std::move(callback))
    , data_(data)
    , model_(new QFileSystemModel(this))
    , heading_(new QLabel(title, this))
    , places_(new QListWidget(this))
    , tree_(new QTreeView(this))
    , status_(new QLabel(this))
    , buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(title);
    setModal(true);
    resize(380, 440);

    model_->setFilter(kFolders);
    model_->setReadOnly(true);
    // The tree starts at the file system's root, which stands at its top.
    model_->setRootPath(QDir::rootPath());
    tree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);
    tree_->setHeaderHidden(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setSortingEnabled(true);
    tree_->sortByColumn(0, Qt::AscendingOrder);

    status_->setTextFormat(Qt::PlainText);
    // A long path is cut off at the dialog's edge instead of widening the dialog.
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    // Above the tree as well, so the title shows where no window manager draws a caption.
    heading_->setTextFormat(Qt::PlainText);
    heading_->setWordWrap(true);
    // Where a search starts, as the desktop and the computer stand at the top of the system's
    // own folder browser.
    const QFileIconProvider icons;
    for (const auto& [name, path, icon] :
         {std::tuple{tr("Home"), QDir::homePath(), icons.icon(QFileIconProvider::Desktop)},
          std::tuple{tr("File System"), QDir::rootPath(), icons.icon(QFileIconProvider::Drive)}}) {
        auto* place = new QListWidgetItem(icon, name, places_);
        place->setData(Qt::UserRole, path);
    }
    places_->setMaximumWidth(places_->sizeHintForColumn(0) + 2 * places_->frameWidth() + 8);
    places_->setFocusPolicy(Qt::TabFocus);
    connect(places_, &QListWidget::itemClicked, this, [this](QListWidgetItem* place) {
        setSelection(place->data(Qt::UserRole).toString());
        tree_->setFocus();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    auto* folders = new QHBoxLayout;
    folders->addWidget(places_);
    folders->addWidget(tree_, 1);
    layout->addLayout(folders, 1);
    layout->addWidget(status_);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    okButton()->setEnabled(false);
    // A window closed while its dialog runs takes the dialog with it: nothing is left open over
    // a closed window.
    if (owner)
        owner->installEventFilter(this);

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { selectionChanged(current); });
    // The folders around the selection are read in the background and sorted as they come in;
    // until the user moves, the selection is kept in view as they arrive.
    const auto keepInView = [this] {
        if (scrollPending_)
            scrollToSelection();
    };
    connect(model_, &QFileSystemModel::rowsInserted, this, keepInView);
    connect(model_, &QFileSystemModel::layoutChanged, this, keepInView);
    connect(model_, &QFileSystemModel::directoryLoaded, this, keepInView);
}

QPushButton* FolderTreeDialog::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

QPushButton* FolderTreeDialog::cancelButton() const {
    return buttons_->button(QDialogButtonBox::Cancel);
}

bool FolderTreeDialog::eventFilter(QObject* watched, QEvent* event) {
    // A spontaneous hide is the window being minimised, which leaves the dialog open.
    if (watched == parent() && event->type() == QEvent::Hide && !event->spontaneous())
        reject();
    return QDialog::eventFilter(watched, event);
}

void FolderTreeDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (initialized_)
        return;
    initialized_ = true;
    tree_->setFocus();
    if (callback_)
        callback_(*this, BFFM_INITIALIZED, QModelIndex(), data_);
}

void FolderTreeDialog::setSelection(const QString& path) {
    const QString folder = QDir::cleanPath(path);
    // Hidden folders are left out of the tree unless the one asked for lies within one.
    if (withinHiddenFolder(folder))
        model_->setFilter(kFolders | QDir::Hidden);
    const QModelIndex index = model_->index(folder);
    if (!index.isValid() || !model_->isDir(index))
        return;
    // The view expands the folders above it and scrolls it into view.
    selecting_ = true;
    tree_->setCurrentIndex(index);
    selecting_ = false;
    scrollPending_ = true;
}

void FolderTreeDialog::setStatusText(const QString& text) {
    status_->setText(text);
}

void FolderTreeDialog::enableOk(bool enabled) {
    okButton()->setEnabled(enabled);
}

std::optional<QString> FolderTreeDialog::pathOf(const QModelIndex& item) const {
    if (!item.isValid() || item.model() != model_ || !model_->isDir(item))
        return std::nullopt;
    // cleanPath drops a trailing separator; only the root keeps its one.
    return QDir::cleanPath(model_->filePath(item));
}

QString FolderTreeDialog::selectedFolder() const {
    return pathOf(tree_->currentIndex()).value_or(QString());
}

void FolderTreeDialog::selectionChanged(const QModelIndex& current) {
    if (!selecting_)
        scrollPending_ = false;
    okButton()->setEnabled(pathOf(current).has_value());
    if (callback_)
        callback_(*this, BFFM_SELCHANGED, current, data_);
}

void FolderTreeDialog::scrollToSelection() {
    tree_->scrollTo(tree_->currentIndex(), QAbstractItemView::PositionAtCenter);
}

} // namespace toolkit
