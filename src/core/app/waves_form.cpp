#include "core/app/waves_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/waves_dialog.h"
#include "core/ui/dialog_keys.h"
#include "core/ui/named.h"
#include "core/ui/qt_text.h"
#include "core/ui/sub_window.h"

namespace pixador {

namespace {

class WavesForm : public QWidget {
public:
    explicit WavesForm(EditorState& state) : state_(state)
    {
        setObjectName("WavesForm");
        setWindowTitle("Waves Filter");
        auto* para = Named(new QGroupBox("Wave Parameters", this), "ParaFrame");

        auto* general = Named(new QGroupBox("General", para), "GFrame");
        axis_ = Named(new QComboBox(general), "AxisBox");
        axis_->addItems({"X", "Y"});
        magnitude_ = Named(new QLineEdit(ToQString(InitialMagnitude(state)), general), "MagnitudeBox");
        auto* g = new QGridLayout(general);
        g->addWidget(Named(new QLabel("Axis:", general), "ALbl"), 0, 0);
        g->addWidget(axis_, 0, 1);
        g->addWidget(Named(new QLabel("Magnitude:", general), "MLbl"), 1, 0);
        g->addWidget(magnitude_, 1, 1);

        auto* function = Named(new QGroupBox("Function", para), "FFrame");
        waveType_ = Named(new QComboBox(function), "WaveTypeBox");
        waveType_->addItems({"Sine", "Cosine"});
        maxValue_ = Named(new QLineEdit("360", function), "FMaxValBox");
        auto* fl = new QGridLayout(function);
        fl->addWidget(waveType_, 0, 0, 1, 2);
        fl->addWidget(Named(new QLabel("Max Value:", function), "Label2"), 1, 0);
        fl->addWidget(maxValue_, 1, 1);

        auto* apply = Named(new QPushButton("Apply", para), "ApplyBttn");
        auto* cancel = Named(new QPushButton("Cancel", para), "CancelBttn");
        auto* frames = new QHBoxLayout;
        frames->addWidget(general);
        frames->addWidget(function);
        auto* buttons = ButtonRow(apply, cancel);
        auto* inner = new QVBoxLayout(para);
        inner->addLayout(frames);
        inner->addLayout(buttons);
        auto* outer = new QVBoxLayout(this);
        outer->addWidget(para);

        connect(apply, &QPushButton::clicked, this, [this] {
            // Refused numbers keep the dialog open for correcting.
            if (WavesApplyBttn_Click(state_, axis_->currentIndex(), waveType_->currentIndex(),
                                     maxValue_->text().toStdString(), magnitude_->text().toStdString()))
                CloseDialogWindow(*this);
        });
        connect(cancel, &QPushButton::clicked, this, [this] { CloseDialogWindow(*this); });
        setFocusProxy(magnitude_);
        AnswerKeys(*this, apply, cancel);
        KeepAllOneLine(*this);
    }

private:
    EditorState& state_;
    QComboBox* axis_;
    QComboBox* waveType_;
    QLineEdit* magnitude_;
    QLineEdit* maxValue_;
};

}  // namespace

QWidget* CreateWavesForm(EditorState& state)
{
    return new WavesForm(state);
}

}  // namespace pixador
