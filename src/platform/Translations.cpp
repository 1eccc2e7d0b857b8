#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

void installOne(const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    // QLocale() tries each of the user's languages in turn (LANGUAGE=de:fr).
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void Translations::install()
{
    // Qt's own catalogue is there only where the distribution's package is.
    installOne(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installOne(QStringLiteral("linkcrate"), QStringLiteral(":/i18n"));
}
