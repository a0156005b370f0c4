#pragma once

#include <QChar>
#include <QString>

namespace tervano::app::numberentry {

// Whether a typed character may reach the box's text. `caret` is the insertion point
// (the start of the selection when there is one), `selectionLength` its length.
// Control characters (code below 32) always pass: the edit control handles them.
bool acceptsKeystroke(QChar typed, const QString& text, qsizetype caret, qsizetype selectionLength);

// Keeps the digits, and a sign only when it is the very first character of `text`.
QString filterText(const QString& text);

// The normal form of a filtered text: its value as a signed 64-bit number written in
// decimal, no leading zeros, never "+"; empty, a sign alone or out of range gives "0".
QString normalForm(const QString& filtered);

// filterText followed by normalForm: what the box shows after a paste or when left.
inline QString normalized(const QString& text) { return normalForm(filterText(text)); }

} // namespace tervano::app::numberentry
