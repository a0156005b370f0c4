#include "app/errortext.h"

namespace tervano::app {

QString errorBoxText(const QString& message)
{
    if (message.isEmpty() || message.back().unicode() <= u'.')
        return message;
    return message + u'.';
}

} // namespace tervano::app
