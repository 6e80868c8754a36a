#include "core/app/resize_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/editor_state.h"
#include "core/ui/dialog_keys.h"
#include "core/size_dialog.h"
#include "core/ui/sub_window.h"

namespace pixador {

namespace {

class ResizeDialog : public QWidget {
public:
    ResizeDialog(EditorState& state, SizeMode mode) : state_(state), mode_(mode)
    {
        setObjectName("ResizeDialog");
        setWindowTitle(QString::fromStdString(SizeDialogCaption(mode)));
        auto* frame = new QGroupBox("Size", this);
        frame->setObjectName("rframe");
        auto* widthLabel = new QLabel("Width", frame);
        widthLabel->setObjectName("Label2");
        width_ = new QComboBox(frame);
        width_->setObjectName("widthbox");
        width_->addItems({"8", "16", "32"});
        width_->setCurrentIndex(WidthEntryFor(state.sprite.width));
        auto* heightLabel = new QLabel("Height", frame);
        heightLabel->setObjectName("Label1");
        height_ = new QLineEdit(QString::number(state.sprite.height), frame);
        height_->setObjectName("HeightBox");
        height_->setMaxLength(8);
        auto* grid = new QGridLayout(frame);
        grid->addWidget(widthLabel, 0, 0);
        grid->addWidget(width_, 0, 1);
        grid->addWidget(heightLabel, 1, 0);
        grid->addWidget(height_, 1, 1);

        auto* apply = new QPushButton("Apply", this);
        apply->setObjectName("ApplyResize");
        auto* cancel = new QPushButton("Cancel", this);
        cancel->setObjectName("CancelResize");
        auto* buttons = ButtonRow(apply, cancel);
        auto* outer = new QVBoxLayout(this);
        outer->addWidget(frame);
        outer->addLayout(buttons);

        connect(height_, &QLineEdit::textEdited, this, [this](const QString& text) {
            if (const auto fixed = HeightBox_Change(text.toStdString())) height_->setText(QString::fromStdString(*fixed));
        });
        connect(apply, &QPushButton::clicked, this, [this] {
            if (ApplyResize_Click(state_, mode_, width_->currentIndex(), height_->text().toStdString())) CloseDialogWindow(*this);
        });
        connect(cancel, &QPushButton::clicked, this, [this] { CloseDialogWindow(*this); });
        setFocusProxy(width_);
        AnswerKeys(*this, apply, cancel);
        KeepAllOneLine(*this);
    }

private:
    EditorState& state_;
    SizeMode mode_;
    QComboBox* width_;
    QLineEdit* height_;
};

}  // namespace

void OpenResizeDialog(QMdiArea& area, EditorState& state, SizeMode mode)
{
    // One size dialog at a time: a new request replaces the open one.
    for (QMdiSubWindow* sub : area.subWindowList())
        if (sub->widget() && sub->widget()->objectName() == "ResizeDialog") sub->close();
    auto* dialog = new ResizeDialog(state, mode);
    ShowDialogWindow(area, dialog, dialog->windowTitle());
}

}  // namespace pixador
