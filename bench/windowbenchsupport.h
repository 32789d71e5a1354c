#pragma once

// What the window measurements need to run the editor without a user:
// boxes that print and answer Cancel, no further processes.

#include "dialogservice.h"
#include "mainwindow.h"
#include "processstarter.h"
#include "settingsdirectory.h"

#include <QCoreApplication>

#include <cstdio>

namespace galewright::bench {

class SilentDialogs : public DialogService {
public:
    Answer showMessage(QWidget*, const QString& text, const QString&, Icon, Buttons) override
    {
        std::fprintf(stderr, "box: %s\n", text.toUtf8().constData());
        return Answer::Cancel;
    }
    std::optional<QString> openFileName(QWidget*, const FileRequest&) override { return std::nullopt; }
    std::optional<QString> saveFileName(QWidget*, const FileRequest&) override { return std::nullopt; }
};

class NoProcesses : public ProcessStarter {
public:
    bool startProcess(const std::string&, const std::vector<std::string>&) override { return false; }
};

inline void settle() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

// The editor's main window, shown and through its start-up, with nobody at
// the keyboard.
class BenchEditor {
public:
    explicit BenchEditor(const std::string& settingsDirectory) : window(setupFor(settingsDirectory))
    {
        window.show();
        while (!window.commandLineHandled())
            settle();
        settle();
    }

    SilentDialogs dialogs;
    NoProcesses processes;
    MainWindow window;

private:
    MainWindow::Setup setupFor(const std::string& settingsDirectory)
    {
        MainWindow::Setup setup;
        setup.settingsDirectory = settingsDirectory;
        setup.executablePath = executablePath();
        setup.dialogs = &dialogs;
        setup.processes = &processes;
        return setup;
    }
};

} // namespace galewright::bench
