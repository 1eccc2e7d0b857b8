#include "cli/AddCommand.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Linkcrate"));
    QCoreApplication::setApplicationName(QStringLiteral("Linkcrate"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LINKCRATE_VERSION));
    Translations::install();
    QTextStream out(stdout);
    QTextStream err(stderr);
    AddCommand command(out, err);
    return command.run(QCoreApplication::arguments());
}
