#include "platform/Settings.h"
#include "ui/QtUserPrompts.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Linkcrate"));
    QApplication::setApplicationName(QStringLiteral("Linkcrate"));
    QApplication::setApplicationVersion(QStringLiteral(LINKCRATE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.linkcrate.Linkcrate"));

    try {
        Settings settings;
        QtUserPrompts prompts;
        frmMain window(settings, prompts);
        prompts.setParentWidget(&window);
        if (!window.Form_Load())
            return 0; // the user cancelled the choice of file
        return QApplication::exec();
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, QStringLiteral("Linkcrate"),
                              QStringLiteral("Linkcrate has to stop: %1").arg(QString::fromLocal8Bit(e.what())));
        return 1;
    }
}
