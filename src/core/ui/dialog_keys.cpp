#include "core/ui/dialog_keys.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QValidator>

namespace pixador {

namespace {

void ClickOn(QWidget& dialog, const QKeySequence& key, QAbstractButton* button)
{
    if (!button) return;
    auto* shortcut = new QShortcut(key, &dialog);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QPointer<QAbstractButton> target(button);
    QObject::connect(shortcut, &QShortcut::activated, button, [target] {
        if (target && target->isEnabled() && target->isVisible()) target->click();
    });
}

// Removes line breaks from whatever reaches the box; the box's own rules run on what is left.
class OneLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override
    {
        for (int i = input.size() - 1; i >= 0; --i) {
            if (input[i] != QChar('\r') && input[i] != QChar('\n')) continue;
            input.remove(i, 1);
            if (i < pos) --pos;
        }
        return Acceptable;
    }
};

}  // namespace

void AnswerKeys(QWidget& dialog, QAbstractButton* defaultButton, QAbstractButton* cancelButton)
{
    if (auto* push = qobject_cast<QPushButton*>(defaultButton)) push->setDefault(true);
    ClickOn(dialog, QKeySequence(Qt::Key_Return), defaultButton);
    ClickOn(dialog, QKeySequence(Qt::Key_Enter), defaultButton);
    ClickOn(dialog, QKeySequence(Qt::Key_Escape), cancelButton);
}

void KeepOneLine(QLineEdit& box)
{
    if (!box.validator()) box.setValidator(new OneLineValidator(&box));
}

void KeepAllOneLine(QWidget& dialog)
{
    for (QLineEdit* box : dialog.findChildren<QLineEdit*>()) KeepOneLine(*box);
}

}  // namespace pixador
