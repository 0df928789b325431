#include "option/skin/ApplicationStatus.h"

#include <QPointer>

#include "option/skin/SkinMessageEvent.h"

namespace option::skin {
namespace {

struct Status {
    QPointer<QObject> mainWindow;
    QString text;
};

Status& status()
{
    static Status instance;
    return instance;
}

}  // namespace

void ApplicationStatus::setMainWindow(QObject* mainWindow)
{
    status().mainWindow = mainWindow;
}

QObject* ApplicationStatus::mainWindow()
{
    return status().mainWindow.data();
}

QString ApplicationStatus::text()
{
    return status().text;
}

void ApplicationStatus::enter(const QString& statusText)
{
    status().text = statusText;
    postSkinMessage(status().mainWindow.data(), kStatusTextMessage, kEntering, 0);
}

void ApplicationStatus::leave()
{
    status().text.clear();
    postSkinMessage(status().mainWindow.data(), kStatusTextMessage, kLeaving, 0);
}

}  // namespace option::skin
