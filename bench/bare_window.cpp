// The yardstick of the start-up benchmark: an empty Qt 6 window of the main
// window's fixed size and nothing else, built with the program's flags.
//
// With --text it also shows two lines in the faces Tallies draws its text in
// (Liberation Sans Narrow at 8 points, regular, and bold and underlined as the
// link), to tell what drawing any text costs apart from the rest of Tallies.

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  constexpr int kWidth = 459;  // the main window's size in logical pixels
  constexpr int kHeight = 404;
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.setFixedSize(kWidth, kHeight);
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
    QFont regular(QStringLiteral("Liberation Sans Narrow"));
    regular.setPointSizeF(8.0);
    auto* caption = new QLabel(QStringLiteral("Gallons Per Minute"), &window);
    caption->setFont(regular);
    caption->move(16, 16);
    QFont link = regular;
    link.setPointSizeF(8.25);
    link.setBold(true);
    link.setUnderline(true);
    auto* label = new QLabel(QStringLiteral("Go to Tallies Home"), &window);
    label->setFont(link);
    label->move(16, 48);
  }
  window.show();
  return QApplication::exec();
}
