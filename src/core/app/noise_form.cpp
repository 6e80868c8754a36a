#include "core/app/noise_form.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/noise_dialog.h"
#include "core/ui/dialog_keys.h"
#include "core/ui/named.h"
#include "core/ui/qt_text.h"
#include "core/ui/sub_window.h"

namespace pixador {

namespace {

class NoiseForm : public QWidget {
public:
    explicit NoiseForm(EditorState& state) : state_(state)
    {
        setObjectName("NoiseForm");
        setWindowTitle("Random Noise");
        auto* frame = Named(new QGroupBox("Noise Amount", this), "NFrame");
        box_ = Named(new QLineEdit(QString::number(kNoiseInitial), frame), "NoiseBox");
        bar_ = Named(new QScrollBar(Qt::Horizontal, frame), "NoisePercentage");
        bar_->setRange(0, 100);
        bar_->setValue(kNoiseInitial);
        bar_->setPageStep(5);
        bar_->setMinimumWidth(160);
        auto* apply = Named(new QPushButton("Apply", frame), "ApplyBttn");
        auto* cancel = Named(new QPushButton("Cancel", frame), "CancelBttn");
        auto* amount = new QHBoxLayout;
        amount->addWidget(box_);
        amount->addWidget(bar_, 1);
        auto* buttons = ButtonRow(apply, cancel);
        auto* inner = new QVBoxLayout(frame);
        inner->addLayout(amount);
        inner->addLayout(buttons);
        auto* outer = new QVBoxLayout(this);
        outer->addWidget(frame);

        // The box corrects itself first; the corrected text passes here again and moves the bar.
        connect(box_, &QLineEdit::textChanged, this, [this](const QString& text) {
            const NoiseBoxChange change = NoiseBox_Change(text.toStdString());
            if (change.text && ToQString(*change.text) != text) {
                box_->setText(ToQString(*change.text));
                return;
            }
            bar_->setValue(change.percentage);
        });
        connect(bar_, &QScrollBar::valueChanged, this,
                [this](int value) { box_->setText(ToQString(NoisePercentage_Change(value))); });
        connect(apply, &QPushButton::clicked, this, [this] {
            NoiseApplyBttn_Click(state_, bar_->value());
            CloseDialogWindow(*this);
        });
        connect(cancel, &QPushButton::clicked, this, [this] { CloseDialogWindow(*this); });
        setFocusProxy(box_);
        AnswerKeys(*this, apply, cancel);
        KeepAllOneLine(*this);
    }

private:
    EditorState& state_;
    QLineEdit* box_;
    QScrollBar* bar_;
};

}  // namespace

QWidget* CreateNoiseForm(EditorState& state)
{
    return new NoiseForm(state);
}

}  // namespace pixador
