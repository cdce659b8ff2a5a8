#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstring>

#include "app/converter_app.h"

namespace {

constexpr char kVersion[] = "1.0.0.1";

}  // namespace

int main(int argc, char* argv[]) {
  // Answered before Qt starts, so that it works without a display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("quorvane %s\n", kVersion);
    return 0;
  }

  QApplication application(argc, argv);
  QApplication::setApplicationVersion(QString::fromLatin1(kVersion));

  // Qt's own texts (file dialogs, buttons) in Japanese where the translations are installed.
  QTranslator qt_texts;
  if (qt_texts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qt_texts);
  }

  quorvane::ConverterApp converter(QApplication::arguments().mid(1));
  converter.InitInstance();
  return 0;
}
