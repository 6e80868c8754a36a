#include "compose/ui/merge_form.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "core/ui/planes_preview.h"
#include "core/ui/dialog_keys.h"
#include "core/ui/named.h"
#include "core/ui/sub_window.h"

namespace pixador {

namespace {

constexpr const char* kCaption = "Merge";

}  // namespace

MergeForm::MergeForm(EditorState& state, MergePanel panel, QWidget* parent)
    : QWidget(parent), state_(state), panel_(std::move(panel))
{
    setObjectName("MergeForm");
    setWindowTitle(kCaption);

    auto* modeFrame = Named(new QGroupBox("Merge mode"), "ModeFrame");
    auto* modeColumn = new QVBoxLayout(modeFrame);
    for (int i = 0; i < kMergeModeCount; ++i) {
        modes_[i] = Named(new QRadioButton(MergeModeCaption(i)), "MergeMode");
        modes_[i]->setProperty("index", i);
        modeColumn->addWidget(modes_[i]);
        connect(modes_[i], &QRadioButton::clicked, this, [this, i] {
            panel_.MergeMode_Click(state_, i);
            ShowPanel();
        });
    }
    modeColumn->addStretch();

    // The merged sprite may be 256 rows tall.
    auto* previewFrame = Named(new QGroupBox("Preview"), "PreviewFrame");
    preview_ = Named(new PlanesPreview, "PreviewMerged");
    auto* scroll = new QScrollArea;
    scroll->setWidget(preview_);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setMinimumSize(80, 140);
    (new QVBoxLayout(previewFrame))->addWidget(scroll);

    auto* ok = Named(new QPushButton("Ok"), "OkBttn");
    auto* cancel = Named(new QPushButton("Cancel"), "CancelBttn");
    auto* buttons = ButtonRow(ok, cancel);

    auto* frames = new QHBoxLayout;
    frames->addWidget(modeFrame);
    frames->addWidget(previewFrame, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(frames);
    outer->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, [this] {
        if (panel_.OkBttn_Click(state_)) CloseWindow();
        else ShowPanel();
    });
    connect(cancel, &QPushButton::clicked, this, [this] { CloseWindow(); });
    AnswerKeys(*this, ok, cancel);
    ShowPanel();
}

void MergeForm::ShowPanel()
{
    for (int i = 0; i < kMergeModeCount; ++i) {
        const QSignalBlocker block(modes_[i]);
        modes_[i]->setEnabled(i < kInterlacedFileFirst || panel_.interlacedEnabled);
        if (i == panel_.MergeModeValue) modes_[i]->setChecked(true);
    }
    preview_->Show(state_, panel_.MergeResult);
}

void MergeForm::CloseWindow()
{
    CloseDialogWindow(*this);
}

MergeForm* ShowMergeForm(QMdiArea& area, EditorState& state, MergePanel panel)
{
    CloseDialogsOf<MergeForm>(area);
    auto* form = new MergeForm(state, std::move(panel));
    ShowDialogWindow(area, form, kCaption);
    return form;
}

}  // namespace pixador
