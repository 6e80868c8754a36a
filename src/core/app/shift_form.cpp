#include "core/app/shift_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/shift_dialog.h"
#include "core/ui/dialog_keys.h"
#include "core/ui/named.h"
#include "core/ui/qt_text.h"
#include "core/ui/sub_window.h"

namespace pixador {

namespace {

class ShiftForm : public QWidget {
public:
    explicit ShiftForm(EditorState& state) : state_(state)
    {
        setObjectName("ShiftForm");
        setWindowTitle("Custom Shift");
        auto* params = Named(new QGroupBox(this), "ParametersFrame");
        xShift_ = Named(new QLineEdit("0", params), "XShift");
        yShift_ = Named(new QLineEdit("0", params), "YShift");
        auto* grid = new QGridLayout(params);
        grid->addWidget(Named(new QLabel("X:", params), "XLabel"), 0, 0);
        grid->addWidget(xShift_, 0, 1);
        grid->addWidget(Named(new QLabel("Y:", params), "Label1"), 1, 0);
        grid->addWidget(yShift_, 1, 1);

        auto* buttonsFrame = Named(new QWidget(this), "BttnsFrame");
        auto* ok = Named(new QPushButton("Ok", buttonsFrame), "OkShift");
        auto* cancel = Named(new QPushButton("Cancel", buttonsFrame), "CancelShift");
        auto* buttons = new QHBoxLayout(buttonsFrame);
        buttons->addStretch();
        buttons->addWidget(ok);
        buttons->addWidget(cancel);
        auto* outer = new QVBoxLayout(this);
        outer->addWidget(params);
        outer->addWidget(buttonsFrame);

        // Every change is checked, typed or not; the reset to "0" passes the check again.
        connect(xShift_, &QLineEdit::textChanged, this, [this](const QString& text) {
            if (const auto fixed = XShift_Change(state_, text.toStdString())) xShift_->setText(ToQString(*fixed));
        });
        connect(yShift_, &QLineEdit::textChanged, this, [this](const QString& text) {
            if (const auto fixed = YShift_Change(state_, text.toStdString())) yShift_->setText(ToQString(*fixed));
        });
        connect(ok, &QPushButton::clicked, this, [this] {
            OkShift_Click(state_, xShift_->text().toStdString(), yShift_->text().toStdString());
            CloseDialogWindow(*this);
        });
        connect(cancel, &QPushButton::clicked, this, [this] { CloseDialogWindow(*this); });
        setFocusProxy(xShift_);
        AnswerKeys(*this, ok, cancel);
        KeepAllOneLine(*this);
    }

private:
    EditorState& state_;
    QLineEdit* xShift_;
    QLineEdit* yShift_;
};

}  // namespace

QWidget* CreateShiftForm(EditorState& state)
{
    return new ShiftForm(state);
}

}  // namespace pixador
