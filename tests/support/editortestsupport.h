#pragma once

// Scripted stand-ins for the editor's dialogs and process starting, and a
// main window wired to them with its settings in a scratch folder.

#include "dialogservice.h"
#include "mainwindow.h"
#include "processstarter.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QTest>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace galewright::test {

class FakeDialogService : public DialogService {
public:
    struct Message {
        QWidget* owner;
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
    };
    struct FileDialog {
        bool save;
        FileRequest request;
    };

    // Answers given in order; Ok once they run out.
    std::deque<Answer> answers;
    // Paths chosen in order; a null QString or a missing entry cancels.
    std::deque<QString> chosenFiles;
    std::vector<Message> messages;
    std::vector<FileDialog> fileDialogs;
    // Called while a box is "open", to look at the window behind it.
    std::function<void(const Message&)> whileShown;

    Answer showMessage(QWidget* owner, const QString& text, const QString& title, Icon icon, Buttons buttons) override
    {
        messages.push_back({owner, text, title, icon, buttons});
        if (whileShown)
            whileShown(messages.back());
        if (answers.empty())
            return Answer::Ok;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<QString> openFileName(QWidget*, const FileRequest& request) override
    {
        return choose(false, request);
    }
    std::optional<QString> saveFileName(QWidget*, const FileRequest& request) override
    {
        return choose(true, request);
    }

private:
    std::optional<QString> choose(bool save, const FileRequest& request)
    {
        fileDialogs.push_back({save, request});
        if (chosenFiles.empty())
            return std::nullopt;
        const QString chosen = chosenFiles.front();
        chosenFiles.pop_front();
        if (chosen.isNull())
            return std::nullopt;
        return chosen;
    }
};

class FakeProcessStarter : public ProcessStarter {
public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
    };
    std::vector<Start> starts;

    bool startProcess(const std::string& program, const std::vector<std::string>& arguments) override
    {
        starts.push_back({program, arguments});
        return true;
    }
};

inline const std::string kFakeExecutable = "/opt/galewright/bin/galewright";

// A main window over settings copied from data/ into a scratch folder, so
// that no test writes beside the real executables.
class EditorFixture {
public:
    explicit EditorFixture(std::vector<std::string> arguments = {}, bool copySettings = true)
    {
        if (copySettings)
            for (const char* name : {"Width.set", "Byte.set", "Method.set"})
                std::filesystem::copy_file(dataDir() / name, settings.path() / name);
        arguments_ = std::move(arguments);
    }

    // Creates the window (reading its column settings), shows it and lets
    // the command line run.
    MainWindow& start()
    {
        create();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("window not exposed");
        if (!QTest::qWaitFor([this] { return window->commandLineHandled(); }, 5000))
            qWarning("command line not handled");
        return *window;
    }
    MainWindow& create()
    {
        MainWindow::Setup setup;
        setup.settingsDirectory = settings.path().string();
        setup.executablePath = kFakeExecutable;
        setup.arguments = arguments_;
        setup.dialogs = &dialogs;
        setup.processes = &processes;
        window = std::make_unique<MainWindow>(setup);
        return *window;
    }

    ScratchDir settings;
    ScratchDir files;
    FakeDialogService dialogs;
    FakeProcessStarter processes;
    std::unique_ptr<MainWindow> window;

private:
    std::vector<std::string> arguments_;
};

inline QString utf8(const std::string& text) { return QString::fromStdString(text); }

} // namespace galewright::test
