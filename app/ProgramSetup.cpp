#include "app/ProgramSetup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmora {

void useProgramLocale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void setUpProgram(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    // Outside a desktop session no icon theme is set; the toolbar then takes its icons from Adwaita.
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmora/velmora.svg")));
    useProgramLocale();
    auto* qtTranslations = new QTranslator(&application);
    if (qtTranslations->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTranslations);
}

} // namespace velmora
