#include "messagebox.h"

#include <QMessageBox>

namespace tervano {

namespace {
MessageHandler& currentHandler()
{
    static MessageHandler handler;
    return handler;
}

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Error: break;
    }
    return QMessageBox::Critical;
}
} // namespace

void showMessage(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon)
{
    const MessageRequest request{caption, text, icon};
    if (currentHandler()) {
        currentHandler()(parent, request);
        return;
    }
    // A lone carriage return breaks the line, as on the desktop the messages were written for.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox box(toQtIcon(icon), caption, shown, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

MessageHandler setMessageHandler(MessageHandler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}

} // namespace tervano
