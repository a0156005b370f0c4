#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tervano {

enum class MessageIcon { Error, Warning, Information };

struct MessageRequest
{
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::Error;
};

// Every modal box of the program goes through this one seam, so a test can see what
// would have been shown without blocking. Without a handler the real modal box appears:
// application-modal, the given icon and a single OK button.
using MessageHandler = std::function<void(QWidget* parent, const MessageRequest&)>;

void showMessage(QWidget* parent, const QString& caption, const QString& text,
                 MessageIcon icon = MessageIcon::Error);

// Installs a handler (an empty one restores the real box); returns the previous handler.
MessageHandler setMessageHandler(MessageHandler handler);

} // namespace tervano
