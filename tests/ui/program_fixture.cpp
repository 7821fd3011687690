#include "program_fixture.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>

#include "desktop/speaker.h"

namespace lernwerk::testing {

ErrorReporter& testErrorReporter()
{
    static ErrorReporter reporter;
    return reporter;
}

void SpokenProgramTest::SetUp()
{
    ProgramTest::SetUp();
    writeFile(workingDir.filePath(QStringLiteral("de")), "");
    startProgram();
    mainWindow().show();
    mainWindow().activateWindow();
    QApplication::setActiveWindow(&mainWindow());
    QObject::connect(mainWindow().findChild<Speaker*>(), &Speaker::spoken,
                     [this](const QString& said, QWidget*) { spoken << said; });
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

void ProgramTest::answerFileDialog(const QString& fileName)
{
    whenModal([fileName](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        if (fileName.isEmpty()) {
            files->reject();
            return;
        }
        auto* typed = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(typed, nullptr);
        typed->setText(fileName);
        QMetaObject::invokeMethod(files, "accept");
    });
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

}  // namespace lernwerk::testing
