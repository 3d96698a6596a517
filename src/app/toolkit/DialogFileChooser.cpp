#include "toolkit/DialogFileChooser.h"

#include <QFileDialog>

namespace tundle {

namespace {

QString nameFilter(const FileFilter& filter) {
    return QStringLiteral("%1 (%2)").arg(filter.name, filter.patterns.join(u' '));
}

}  // namespace

QFileDialog* DialogFileChooser::makeDialog(QWidget* parent, const FileRequest& request, Kind kind) {
    auto* dialog = new QFileDialog(parent, request.caption, request.startFolder);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    switch (kind) {
        case Kind::openFile:
            dialog->setAcceptMode(QFileDialog::AcceptOpen);
            dialog->setFileMode(QFileDialog::ExistingFile);
            break;
        case Kind::openFolder:
            dialog->setAcceptMode(QFileDialog::AcceptOpen);
            dialog->setFileMode(QFileDialog::Directory);
            dialog->setOption(QFileDialog::ShowDirsOnly);
            break;
        case Kind::save:
            dialog->setAcceptMode(QFileDialog::AcceptSave);
            dialog->setFileMode(QFileDialog::AnyFile);
            dialog->setDefaultSuffix(request.defaultSuffix);
            if (!request.proposedName.isEmpty()) {
                dialog->selectFile(request.proposedName);
            }
            break;
    }
    if (!request.filters.empty()) {
        QStringList filters;
        for (const FileFilter& filter : request.filters) {
            filters.append(nameFilter(filter));
        }
        dialog->setNameFilters(filters);
    }
    // Qt's own dialog speaks English unless told otherwise.
    dialog->setLabelText(QFileDialog::Accept, !request.acceptLabel.isEmpty() ? request.acceptLabel
                                              : kind == Kind::save       ? QStringLiteral("保存")
                                              : kind == Kind::openFolder ? QStringLiteral("选择")
                                                                         : QStringLiteral("打开"));
    dialog->setLabelText(QFileDialog::Reject, QStringLiteral("取消"));
    dialog->setLabelText(QFileDialog::LookIn, QStringLiteral("位置："));
    dialog->setLabelText(QFileDialog::FileName, QStringLiteral("名称："));
    dialog->setLabelText(QFileDialog::FileType, QStringLiteral("类型："));
    return dialog;
}

void DialogFileChooser::present(Kind kind, QWidget* parent, const FileRequest& request,
                                Completion done) {
    QFileDialog* dialog = makeDialog(parent, request, kind);
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, done](int result) {
        const QStringList chosen = dialog->selectedFiles();
        if (result == QDialog::Accepted && !chosen.isEmpty()) {
            done(chosen.first());
        } else {
            done(std::nullopt);
        }
    });
    dialog->open();
}

}  // namespace tundle
