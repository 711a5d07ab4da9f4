// The smallest Qt Widgets program with a window of the game's size: the
// yardstick for start-up time, memory and idle CPU. With --text it also
// draws one line of text, which brings in the font machinery.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Finestra minima"));
    window.setFixedSize(722, 554);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        auto *label = new QLabel(QStringLiteral("Risposte esatte"), &window);
        label->setFont(QFont(QStringLiteral("Liberation Sans"), 18));
    }
    window.show();
    return QApplication::exec();
}
