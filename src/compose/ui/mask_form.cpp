#include "compose/ui/mask_form.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/ui/planes_preview.h"
#include "core/ui/dialog_keys.h"
#include "core/ui/named.h"
#include "core/ui/qt_text.h"
#include "core/ui/sub_window.h"

namespace pixador {

namespace {

constexpr const char* kCaption = "Pixador Mask Panel";

// The options top to bottom, with their control names.
struct Option {
    int code;
    const char* name;
};
constexpr Option kOptions[kMaskOpCount] = {
    {kMaskNot, "NOTMask"}, {kMaskAnd, "ANDMask"}, {kMaskOr, "ORMask"},
    {kMaskXor, "XORMask"}, {kMaskEqv, "EQVMask"}, {kMaskImp, "IMPMask"},
};

}  // namespace

MaskForm::MaskForm(EditorState& state, QWidget* parent) : QWidget(parent), state_(state), panel_(state)
{
    setObjectName("maskform");
    setWindowTitle(kCaption);

    maskFile_ = Named(new QLineEdit, "MaskFile");
    auto* browse = Named(new QPushButton("..."), "BrowseMaskBttn", "Choose the mask sprite file");
    auto* note = new QLabel("(*) = Mask requires an additional sprite file (*.pxd)");
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(maskFile_, 1);
    fileRow->addWidget(browse);

    auto* frames = new QHBoxLayout;
    for (int plane = 0; plane < 2; ++plane) {
        auto* frame = Named(new QGroupBox(plane == 0 ? "Dark Layer" : "Light Layer"), plane == 0 ? "DLFrame" : "LLFrame");
        auto* column = new QVBoxLayout(frame);
        for (const Option& o : kOptions) {
            auto* option = Named(new QRadioButton(MaskOpCaption(o.code)), o.name);
            option->setProperty("index", plane);
            column->addWidget(option);
            options_[plane][o.code] = option;
            connect(option, &QRadioButton::clicked, this, [this, plane, code = o.code] {
                panel_.ChooseOp(state_, plane, code);
                ShowPanel();
            });
        }
        frames->addWidget(frame);
    }
    auto* maskedFrame = Named(new QGroupBox("Masked"), "MaskedFrame");
    preview_ = Named(new PlanesPreview, "MaskedPreview");
    (new QVBoxLayout(maskedFrame))->addWidget(preview_, 0, Qt::AlignCenter);
    frames->addWidget(maskedFrame);

    auto* ok = Named(new QPushButton("Ok"), "OkBttn");
    auto* cancel = Named(new QPushButton("Cancel"), "CancelBttn");
    auto* buttons = ButtonRow(ok, cancel);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(fileRow);
    outer->addWidget(note);
    outer->addLayout(frames);
    outer->addLayout(buttons);

    maskFile_->installEventFilter(this);
    connect(browse, &QPushButton::clicked, this, [this] {
        panel_.BrowseMaskBttn_Click(state_);
        ShowPanel();
    });
    connect(ok, &QPushButton::clicked, this, [this] { OkBttn_Click(); });
    connect(cancel, &QPushButton::clicked, this, [this] { CloseWindow(); });
    setFocusProxy(maskFile_);
    AnswerKeys(*this, ok, cancel);
    KeepAllOneLine(*this);
    ShowPanel();
}

bool MaskForm::eventFilter(QObject* watched, QEvent* event)
{
    // Only the user moving on inside the panel counts, not another window taking the focus.
    if (watched == maskFile_ && event->type() == QEvent::FocusOut && isVisible()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) CommitMaskFile();
    }
    return QWidget::eventFilter(watched, event);
}

bool MaskForm::CommitMaskFile()
{
    if (!maskFile_->isModified()) return true;
    // Cleared first: the message box this may show takes the focus again.
    maskFile_->setModified(false);
    const bool taken = panel_.MaskFile_LostFocus(state_, maskFile_->text().toStdString());
    ShowPanel();
    return taken;
}

void MaskForm::OkBttn_Click()
{
    // Enter in the path box presses Ok before the box loses the focus.
    if (!CommitMaskFile()) return;
    if (panel_.OkBttn_Click(state_)) CloseWindow();
    else ShowPanel();
}

void MaskForm::ShowPanel()
{
    for (int plane = 0; plane < 2; ++plane) {
        QRadioButton* option = options_[plane][panel_.MaskOps[plane]];
        const QSignalBlocker block(option);
        option->setChecked(true);
    }
    if (!maskFile_->isModified()) maskFile_->setText(ToQString(panel_.MaskFile));
    preview_->Show(state_, panel_.MaskResult);
}

void MaskForm::CloseWindow()
{
    CloseDialogWindow(*this);
}

MaskForm* ShowMaskForm(QMdiArea& area, EditorState& state)
{
    CloseDialogsOf<MaskForm>(area);
    auto* form = new MaskForm(state);
    ShowDialogWindow(area, form, kCaption);
    return form;
}

}  // namespace pixador
