#include "platform/Settings.h"
#include "ui/QtUserPrompts.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QMessageBox>

#include <exception>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Linkcrate"));
    QApplication::setApplicationName(QStringLiteral("Linkcrate"));
    QApplication::setApplicationVersion(QStringLiteral(LINKCRATE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.linkcrate.Linkcrate"));

    // A page handed over by a desktop shortcut or a browser's "open with": the
    // fields start filled, and nothing is added until Add.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Adds bookmarks to a Netscape-format bookmark file."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("address"), QStringLiteral("The address to fill in."),
                                 QStringLiteral("[ADDRESS"));
    parser.addPositionalArgument(QStringLiteral("title"), QStringLiteral("The link text to fill in."),
                                 QStringLiteral("[TITLE]]"));
    parser.process(app);
    const QStringList given = parser.positionalArguments();
    if (given.size() > 2)
        parser.showHelp(64);

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
                              QStringLiteral("Linkcrate has to stop: %1").arg(QString::fromLocal8Bit(e.what())));
        return 1;
    }
}
