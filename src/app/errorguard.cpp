#include "app/errorguard.h"

#include "app/apptitle.h"
#include "app/errortext.h"
#include "common/failure.h"
#include "common/messagebox.h"

#include <exception>

namespace tervano::app {

void showFailure(QWidget* parent, const QString& message)
{
    showMessage(parent, runningApplicationTitle(), errorBoxText(message), MessageIcon::Error);
}

bool runGuarded(QWidget* parent, const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const SilentAbort&) {
    } catch (const Failure& failure) {
        showFailure(parent, failure.message());
    } catch (const std::exception& failure) {
        showFailure(parent, QString::fromUtf8(failure.what()));
    }
    return false;
}

} // namespace tervano::app
