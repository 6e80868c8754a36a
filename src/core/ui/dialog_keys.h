#pragma once
// What every dialog window does with the keyboard: Enter presses its default button, Escape
// presses Cancel, and one-line boxes never take a line break.

class QAbstractButton;
class QHBoxLayout;
class QLineEdit;
class QWidget;

namespace pixador {

// Enter and Return click defaultButton, Escape clicks cancelButton, while the focus is anywhere
// inside dialog; a disabled or missing button ignores its key.
void AnswerKeys(QWidget& dialog, QAbstractButton* defaultButton, QAbstractButton* cancelButton);

// The default and Cancel buttons side by side at the right of a row.
QHBoxLayout* ButtonRow(QAbstractButton* defaultButton, QAbstractButton* cancelButton);

// Drops CR and LF as they are typed or pasted, keeping the caret where the text around it stood.
void KeepOneLine(QLineEdit& box);
// KeepOneLine for every QLineEdit inside dialog.
void KeepAllOneLine(QWidget& dialog);

}  // namespace pixador
