#include "editorstartup.h"

#include "detachedprocessstarter.h"
#include "mainwindow.h"
#include "qtdialogservice.h"
#include "settingsdirectory.h"

#include <QApplication>

namespace galewright {

int runEditor(int argc, char** argv)
{
    QApplication application(argc, argv);
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
