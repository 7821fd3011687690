#include "app/late_key_warnings.h"

#include <QString>
#include <QtGlobal>

namespace lernwerk {

namespace {

QtMessageHandler previousHandler = nullptr;
bool lateKeyShown = false;

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QStringLiteral("QSpiApplication::keyEventError"))) {
        if (lateKeyShown)
            return;
        lateKeyShown = true;
        previousHandler(type, context,
                        message + QStringLiteral(" (the screen reader answers keys late; further such warnings "
                                                 "of this run are not shown)"));
        return;
    }
    previousHandler(type, context, message);
}

}  // namespace

void showLateKeyWarningOnce()
{
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(handleMessage);
}

}  // namespace lernwerk
