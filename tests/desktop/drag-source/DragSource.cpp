// drag-source FILE: a small window at the top-left corner of the screen; a press on it starts
// dragging FILE (as a file URL) the way a file manager does, and prints how the drop ended.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

class DragSource : public QWidget {
public:
    explicit DragSource(QString file) : file_(std::move(file)) {
        setWindowTitle(QStringLiteral("drag-source"));
        setGeometry(20, 20, 150, 150);
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(file_)});
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction);
        std::printf("dropped %d\n", int(action));
        std::fflush(stdout);
    }

private:
    QString file_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: drag-source FILE\n", stderr);
        return 2;
    }
    DragSource source(QString::fromLocal8Bit(argv[1]));
    source.show();
    return QApplication::exec();
}
