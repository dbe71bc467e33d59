// The floor for the calculator's start-up: an empty Qt window of the
// calculator's size (4530 x 2505 twips), started as the calculator's main()
// starts its window. Built a second time with BENCH_FIRST_TEXT, it shows one
// caption: the first text in a process loads the font database and a font,
// which every window with a caption pays, and that twin tells how much of the
// calculator's start-up is that.

#include <QApplication>
#include <QWidget>

#ifdef BENCH_FIRST_TEXT
#include <QLabel>
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(302, 167);
#ifdef BENCH_FIRST_TEXT
    auto *caption = new QLabel(QStringLiteral("Normal (Arabic) numerals"), &window);
    caption->move(24, 48);
#endif
    window.show();
    return QApplication::exec();
}
