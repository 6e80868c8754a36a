#pragma once
// One-line text boxes drop the line breaks typed or pasted into them, through the model's guard.

#include <QLineEdit>
#include <QString>

#include <string_view>

#include "files/conf_guards.h"

namespace pixador {

// For boxes without a guard of their own (the boxes that have one apply this rule first).
inline void GuardOneLineBox(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& typed) {
        const QByteArray bytes = typed.toUtf8();
        const auto caret = static_cast<int>(typed.left(box->cursorPosition()).toUtf8().size());
        const auto fixed = OneLineBox_Change(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), caret);
        if (!fixed) return;
        const QString text = QString::fromUtf8(fixed->text.data(), static_cast<qsizetype>(fixed->text.size()));
        box->setText(text);
        box->setCursorPosition(static_cast<int>(QString::fromUtf8(fixed->text.data(), fixed->caret).size()));
    });
}

}  // namespace pixador
