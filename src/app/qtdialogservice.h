#pragma once

#include "dialogservice.h"

namespace galewright {

// The real boxes and file dialogs.
class QtDialogService : public DialogService {
public:
    Answer showMessage(QWidget* owner, const QString& text, const QString& title, Icon icon,
                       Buttons buttons) override;
    std::optional<QString> openFileName(QWidget* owner, const FileRequest& request) override;
    std::optional<QString> saveFileName(QWidget* owner, const FileRequest& request) override;
};

} // namespace galewright
