// A small program that offers files to a drag, as a file manager does: a window at the given place
// on the screen from which a press and a move start a system drag of the files' URLs, offered for
// a copy or a move. It says "ready" when its window is shown and, when the drag ends, the action
// the target chose ("copy", "move", "link" or "none").
//
//     file_drag_source X Y FILE...
#include <cstdio>
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

class DragSourceWindow : public QWidget {
public:
    explicit DragSourceWindow(QList<QUrl> urls)
        : urls_(std::move(urls)) {}

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(0, 160, 0)); }
    void mousePressEvent(QMouseEvent* event) override { pressedAt_ = event->position().toPoint(); }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!(event->buttons() & Qt::LeftButton) ||
            (event->position().toPoint() - pressedAt_).manhattanLength() <
                QApplication::startDragDistance())
            return;
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setUrls(urls_);
        drag->setMimeData(data);
        // A file manager offers both and proposes a move within one disk.
        const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
        drag->deleteLater();
        const char* name = action == Qt::CopyAction   ? "copy"
                           : action == Qt::MoveAction ? "move"
                           : action == Qt::LinkAction ? "link"
                                                      : "none";
        std::printf("%s\n", name);
        std::fflush(stdout);
    }

private:
    QList<QUrl> urls_;
    QPoint pressedAt_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: file_drag_source X Y FILE...\n");
        return 2;
    }
    QList<QUrl> urls;
    for (qsizetype i = 3; i < arguments.size(); ++i)
        urls.append(QUrl::fromLocalFile(arguments[i]));
    DragSourceWindow window(urls);
    window.setWindowFlag(Qt::X11BypassWindowManagerHint);
    window.setGeometry(arguments[1].toInt(), arguments[2].toInt(), 100, 70);
    window.show();
    QTimer::singleShot(0, &window, [] {
        std::printf("ready\n");
        std::fflush(stdout);
    });
    return application.exec();
}
