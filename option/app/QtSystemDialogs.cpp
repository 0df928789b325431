#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include "messages/MessageNumbers.h"
#include "option/app/SystemDialogs.h"

namespace option::app {
namespace {

const QString kProfileFilter = QStringLiteral("Vantro Mouse Profile (*.vmp)");
const QString kProfileSuffix = QStringLiteral("vmp");
// Programs on Linux carry no extension of their own.
const QString kProgramFilter = QStringLiteral("Programs (*)");

std::optional<QString> chosen(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

class QtSystemDialogs final : public SystemDialogs {
public:
    std::optional<QString> profileToLoad(QWidget* parent, const QString& folder) override
    {
        QFileDialog dialog(parent, QString(), folder, kProfileFilter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(kProfileSuffix);
        return run(dialog);
    }

    std::optional<QString> profileToSave(QWidget* parent, const QString& suggestedPath) override
    {
        QFileDialog dialog(parent, QString(), suggestedPath, kProfileFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(kProfileSuffix);
        dialog.selectFile(suggestedPath);
        return run(dialog);
    }

    std::optional<QString> programFile(QWidget* parent, const QString& current) override
    {
        QString start = current;
        if (start.isEmpty() || !QFileInfo(start).dir().exists())
            start = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        if (!QDir(start).exists() && !QFileInfo(start).dir().exists())
            start = QDir::homePath();
        QFileDialog dialog(parent, QString(), start, kProgramFilter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (QFileInfo(current).isFile())
            dialog.selectFile(current);
        return run(dialog);
    }

    void showFailure(QWidget* parent, const QString& text, const QString& details) override
    {
        QMessageBox box(QMessageBox::Warning, QString::fromUtf8(messages::kOptionWindowTitle), text,
                        QMessageBox::Ok, parent);
        box.setInformativeText(details);
        box.exec();
    }

private:
    static std::optional<QString> run(QFileDialog& dialog)
    {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return chosen(dialog.selectedFiles().constFirst());
    }
};

}  // namespace

std::unique_ptr<SystemDialogs> createQtSystemDialogs()
{
    return std::make_unique<QtSystemDialogs>();
}

}  // namespace option::app
