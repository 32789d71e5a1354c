#pragma once

// What the window measurements need to run the editor without a user:
// boxes that print and answer Cancel, no further processes.

#include "dialogservice.h"
#include "processstarter.h"

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

} // namespace galewright::bench
