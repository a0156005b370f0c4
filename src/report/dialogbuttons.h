#pragma once

class QDialog;
class QDialogButtonBox;

namespace tervano::report {

// "OK" and "Cancelar", wired to accept and reject the dialog.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

} // namespace tervano::report
