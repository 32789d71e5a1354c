#include "qtdialogservice.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace galewright {

namespace {

QMessageBox::Icon boxIcon(DialogService::Icon icon)
{
    switch (icon) {
    case DialogService::Icon::Information:
        return QMessageBox::Information;
    case DialogService::Icon::Warning:
        return QMessageBox::Warning;
    case DialogService::Icon::Question:
        return QMessageBox::Question;
    case DialogService::Icon::Error:
        return QMessageBox::Critical;
    case DialogService::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

std::optional<QString> runFileDialog(QWidget* owner, const DialogService::FileRequest& request,
                                     QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner);
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The filters show their own captions, which already list the patterns.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(request.nameFilters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedPath.isEmpty())
        dialog.selectFile(request.proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

DialogService::Answer QtDialogService::showMessage(QWidget* owner, const QString& text, const QString& title,
                                                   Icon icon, Buttons buttons)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(boxIcon(icon), title, shown,
                    buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, owner);
    box.setDefaultButton(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    if (buttons == Buttons::OkCancel) {
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
        box.setEscapeButton(QMessageBox::Cancel);
    }
    const int result = box.exec();
    return result == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<QString> QtDialogService::openFileName(QWidget* owner, const FileRequest& request)
{
    return runFileDialog(owner, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogService::saveFileName(QWidget* owner, const FileRequest& request)
{
    return runFileDialog(owner, request, QFileDialog::AcceptSave);
}

} // namespace galewright
