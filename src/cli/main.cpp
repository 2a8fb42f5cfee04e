// Command-line front end: renames the files of a folder with the same engine as the window.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[]) {
  QCoreApplication app(argc, argv);
  QTextStream(stderr) << "zelvo-rename-cli: not built yet\n";
  return 2;
}
