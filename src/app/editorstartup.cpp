#include "editorstartup.h"

#include "detachedprocessstarter.h"
#include "mainwindow.h"
#include "qtdialogservice.h"
#include "settingsdirectory.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace galewright {

int runEditor(int argc, char** argv)
{
    QApplication application(argc, argv);
    // The whole interface is Chinese, so Qt's own dialogs speak it too
    // (when the translations are installed; otherwise they stay English).
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QtDialogService dialogs;
    DetachedProcessStarter processes;
    MainWindow::Setup setup;
    setup.settingsDirectory = executableDirectory();
    setup.executablePath = executablePath();
    // The shell has split the command line already; the paths stay bytes.
    for (int i = 1; i < argc; ++i)
        setup.arguments.emplace_back(argv[i]);
    setup.dialogs = &dialogs;
    setup.processes = &processes;
    MainWindow window(setup);
    window.show();
    return application.exec();
}

} // namespace galewright
