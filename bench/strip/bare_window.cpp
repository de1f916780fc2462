// The yardstick: the smallest Qt Widgets program that shows a frameless 500 x 123
// window at the strip's place and paints it, with nothing else.
//   bare_window          a filled window
//   bare_window text     the same with one line of text, which brings in the fonts
#include <QApplication>
#include <QLabel>
#include <cstring>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {
class Bare : public QWidget {
public:
    Bare() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(8, 43, 109));
    }
};
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Bare w;
    w.setFixedSize(500, 123);
    const QRect s = QGuiApplication::primaryScreen()->geometry();
    w.move(s.width() / 2 - 250, s.height() / 2 - 123);
    if (argc > 1 && std::strcmp(argv[1], "text") == 0) {
        auto* line = new QLabel(QStringLiteral("23 Maghar, Sammat 558 Nanakshahi"), &w);
        QFont f(QStringLiteral("Arial"));
        f.setPointSize(13);
        f.setBold(true);
        line->setFont(f);
        line->move(100, 50);
    }
    w.show();
    return app.exec();
}
