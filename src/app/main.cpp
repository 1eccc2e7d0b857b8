#include "platform/Settings.h"
#include "platform/Translations.h"
#include "ui/QtUserPrompts.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>

#include <cstdio>
#include <exception>
#include <optional>

namespace {

// The command line, read before any window exists so that --help, --version and
// a mistake are answered without a display, as other Unix programs answer them.
// Returns the exit status when the program ends here.
std::optional<int> readArguments(int argc, char *argv[], QStringList &given)
{
    QCoreApplication reader(argc, argv);
    Translations::install();
    // A page handed over by a desktop shortcut or a browser's "open with": the
    // fields start filled, and nothing is added until Add.
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("linkcrate", "Adds bookmarks to a Netscape-format bookmark file."));
    parser.addHelpOption();
    parser.addVersionOption();
    //: The names of the arguments in the list under --help.
    parser.addPositionalArgument(QCoreApplication::translate("linkcrate", "address"), QCoreApplication::translate("linkcrate", "The address to fill in."),
                                 //: The usage line reads "[ADDRESS [TITLE]]": keep the brackets.
                                 QCoreApplication::translate("linkcrate", "[ADDRESS"));
    parser.addPositionalArgument(QCoreApplication::translate("linkcrate", "title"), QCoreApplication::translate("linkcrate", "The link text to fill in."),
                                 //: The usage line reads "[ADDRESS [TITLE]]": keep the brackets.
                                 QCoreApplication::translate("linkcrate", "[TITLE]]"));
    QString error;
    if (!parser.parse(QCoreApplication::arguments()))
        error = parser.errorText();
    else if (parser.positionalArguments().size() > 2)
        error = QCoreApplication::translate("linkcrate", "too many arguments: at most an address and a link text.");
    if (!error.isEmpty()) {
        const QString usage = parser.helpText().section(QLatin1Char('\n'), 0, 0);
        std::fputs(qPrintable(QStringLiteral("linkcrate: %1\n%2\n").arg(error, usage)), stderr);
        return 64;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::fputs(qPrintable(QStringLiteral("linkcrate %1\n").arg(QCoreApplication::applicationVersion())), stdout);
        return 0;
    }
    given = parser.positionalArguments();
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Linkcrate"));
    QCoreApplication::setApplicationName(QStringLiteral("Linkcrate"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LINKCRATE_VERSION));
    QStringList given;
    if (const std::optional<int> status = readArguments(argc, argv, given))
        return *status;

    QApplication app(argc, argv);
    Translations::install();
    QApplication::setDesktopFileName(QStringLiteral("io.github.linkcrate.Linkcrate"));
    try {
        Settings settings;
        QtUserPrompts prompts;
        frmMain window(settings, prompts);
        prompts.setParentWidget(&window);
        window.txtUrl->setText(given.value(0));
        window.txtText->setText(given.value(1));
        if (!window.Form_Load())
            return 0; // the user cancelled the choice of file
        return QApplication::exec();
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, QStringLiteral("Linkcrate"),
                              QCoreApplication::translate("linkcrate", "Linkcrate has to stop: %1").arg(QString::fromLocal8Bit(e.what())));
        return 1;
    }
}
