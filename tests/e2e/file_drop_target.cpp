// A small program that takes drops of files, as a file manager's folder does: a window at the
// given place on the screen that accepts a drag offering URLs for a copy, and on a drop writes
// what it received to OUTPUT (replacing it whole): the line "actions:" with the actions offered
// ("copy", "move", "link"), then one URL a line. It says "ready" when its window is shown.
//
//     file_drop_target X Y OUTPUT
#include <cstdio>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

class DropTargetWindow : public QWidget {
public:
    explicit DropTargetWindow(QString output)
        : output_(std::move(output)) {
        setAcceptDrops(true);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(160, 0, 160)); }
    void dragEnterEvent(QDragEnterEvent* event) override { take(*event); }
    void dragMoveEvent(QDragMoveEvent* event) override { take(*event); }
    void dropEvent(QDropEvent* event) override {
        take(*event);
        if (!event->isAccepted())
            return;
        QByteArray text = "actions:";
        if (event->possibleActions() & Qt::CopyAction)
            text += " copy";
        if (event->possibleActions() & Qt::MoveAction)
            text += " move";
        if (event->possibleActions() & Qt::LinkAction)
            text += " link";
        text += '\n';
        for (const QUrl& url : event->mimeData()->urls())
            text += url.toEncoded() + '\n';
        QSaveFile file(output_);
        if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size())
            file.commit();
    }

private:
    static void take(QDropEvent& event) {
        if (!event.mimeData()->hasUrls() || !(event.possibleActions() & Qt::CopyAction)) {
            event.ignore();
            return;
        }
        event.setDropAction(Qt::CopyAction);
        event.accept();
    }

    QString output_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: file_drop_target X Y OUTPUT\n");
        return 2;
    }
    DropTargetWindow window(arguments[3]);
    window.setWindowFlag(Qt::X11BypassWindowManagerHint);
    window.setGeometry(arguments[1].toInt(), arguments[2].toInt(), 100, 70);
    window.show();
    QTimer::singleShot(0, &window, [] {
        std::printf("ready\n");
        std::fflush(stdout);
    });
    return application.exec();
}
