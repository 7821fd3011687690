#include "dialogs/list_file_dialog.h"

#include <QFileDialog>

namespace lernwerk {

ListFileDialog::ListFileDialog(QWidget* parent, Setup setup) : parent_(parent), setup_(std::move(setup)) {}

QFileDialog* ListFileDialog::build()
{
    auto* dialog = new QFileDialog(parent_);
    dialog->setObjectName(QString::fromLatin1(setup_.name));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setNameFilter(setup_.filter);
    dialog->setAcceptMode(setup_.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::AnyFile);
    if (setup_.save)
        dialog->setOption(QFileDialog::DontConfirmOverwrite);  // saving replaces a file without asking
    if (!setup_.defaultSuffix.isEmpty())
        dialog->setDefaultSuffix(setup_.defaultSuffix);
    if (!setup_.offeredFile.isEmpty())
        dialog->selectFile(setup_.offeredFile);
    return dialog;
}

void ListFileDialog::setTexts(const QString& title, const QString& filter)
{
    if (!dialog_)
        dialog_ = build();
    dialog_->setWindowTitle(title);
    dialog_->setNameFilter(filter);
}

void ListFileDialog::setFolder(const QString& folder)
{
    if (!dialog_)
        dialog_ = build();
    dialog_->setDirectory(folder);
}

QString ListFileDialog::folder()
{
    if (!dialog_)
        dialog_ = build();
    return dialog_->directory().absolutePath();
}

void ListFileDialog::offer(const QString& fileName)
{
    if (!dialog_)
        dialog_ = build();
    dialog_->selectFile(fileName);
}

QString ListFileDialog::choose()
{
    if (!dialog_)
        dialog_ = build();
    if (dialog_->exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog_->selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return {};
    dialog_->selectFile(chosen.first());
    return chosen.first();
}

}  // namespace lernwerk
