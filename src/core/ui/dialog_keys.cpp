#include "core/ui/dialog_keys.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QValidator>

#include <optional>
#include <string_view>

#include "files/conf_guards.h"

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

// Removes line breaks from whatever reaches the box, through the model's one-line guard; the
// box's own rules run on what is left.
class OneLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override
    {
        const QByteArray bytes = input.toUtf8();
        const auto caret = static_cast<int>(input.left(pos).toUtf8().size());
        const std::optional<GuardedText> fixed =
            OneLineBox_Change(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), caret);
        if (fixed) {
            input = QString::fromUtf8(fixed->text.data(), static_cast<qsizetype>(fixed->text.size()));
            pos = static_cast<int>(QString::fromUtf8(fixed->text.data(), fixed->caret).size());
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

QHBoxLayout* ButtonRow(QAbstractButton* defaultButton, QAbstractButton* cancelButton)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(defaultButton);
    row->addWidget(cancelButton);
    return row;
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
