#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace galewright {

// Every message box and file dialog of the editor goes through this, so
// that tests can script the user's answers and see what was shown.
class DialogService {
public:
    enum class Icon { None, Information, Warning, Question, Error };
    enum class Buttons { Ok, OkCancel };
    // Any way of closing a box other than its OK button answers Cancel.
    enum class Answer { Ok, Cancel };

    struct FileRequest {
        QString proposedPath;   // shown when the dialog opens
        QStringList nameFilters; // Qt's filter syntax, first one selected
        QString defaultSuffix;   // added to a typed name without one
        QString title{};         // the dialog's own title when not empty
    };

    virtual ~DialogService() = default;

    // A modal box; `owner` may be null for a box that names no window.
    virtual Answer showMessage(QWidget* owner, const QString& text, const QString& title, Icon icon,
                               Buttons buttons) = 0;
    // The chosen path, nothing when the user cancelled.
    virtual std::optional<QString> openFileName(QWidget* owner, const FileRequest& request) = 0;
    virtual std::optional<QString> saveFileName(QWidget* owner, const FileRequest& request) = 0;
};

} // namespace galewright
