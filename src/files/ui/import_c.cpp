#include "files/ui/import_c.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/ui/dialog_keys.h"
#include "core/ui/named.h"
#include "core/ui/planes_preview.h"
#include "core/ui/qt_text.h"
#include "core/editor_state.h"
#include "core/sprite.h"
#include "core/ui/screen_color.h"
#include "core/ui/sub_window.h"

namespace pixador {

namespace {

}  // namespace

ImportC::ImportC(EditorState& state, std::vector<FoundArray> arrays, QWidget* parent)
    : QWidget(parent), state_(state), panel_(std::move(arrays))
{
    setObjectName("ImportC");
    setWindowTitle("C Import Panel");

    auto* gFrame = Named(new QGroupBox("Color Mode"), "GFrame");
    parseGrayscale_ = Named(new QCheckBox("Grayscale"), "ParseGrayscale");
    (new QVBoxLayout(gFrame))->addWidget(parseGrayscale_);

    gaoFrame_ = Named(new QGroupBox("Grayscale Advanced options"), "GAOFrame");
    saFrame_ = Named(new QGroupBox("Arrangement"), "SAFrame");
    dlMode_ = Named(new QRadioButton("Dark->Light"), "DLMode");
    ldMode_ = Named(new QRadioButton("Light->Dark"), "LDMode");
    dlMode_->setChecked(true);
    auto* saLayout = new QVBoxLayout(saFrame_);
    saLayout->addWidget(dlMode_);
    saLayout->addWidget(ldMode_);
    gacFrame_ = Named(new QGroupBox("The Array Contains:"), "GACFrame");
    nSprites_ = Named(new QComboBox, "NSprites");
    sLbl_ = Named(new QLabel("Sprites"), "SLbl");
    auto* gacLayout = new QHBoxLayout(gacFrame_);
    gacLayout->addWidget(nSprites_);
    gacLayout->addWidget(sLbl_);
    auto* gaoLayout = new QVBoxLayout(gaoFrame_);
    gaoLayout->addWidget(saFrame_);
    gaoLayout->addWidget(gacFrame_);

    auto* aFrame = Named(new QGroupBox("Arrays found"), "AFrame");
    arrayList_ = Named(new QListWidget, "ArrayList");
    (new QVBoxLayout(aFrame))->addWidget(arrayList_);

    auto* previewFrame = Named(new QGroupBox("Preview"), "PreviewFrame");
    preview_ = Named(new PlanesPreview, "CImpPrev");
    auto* previewLayout = new QVBoxLayout(previewFrame);
    previewLayout->addWidget(preview_, 0, Qt::AlignCenter);

    auto* ok = Named(new QPushButton("Import"), "OkBttn");
    auto* cancel = Named(new QPushButton("Cancel"), "CancelBttn");

    auto* grid = new QGridLayout(this);
    grid->addWidget(gFrame, 0, 0);
    grid->addWidget(gaoFrame_, 1, 0);
    grid->addWidget(aFrame, 0, 1, 2, 1);
    grid->addWidget(previewFrame, 0, 2, 2, 1);
    auto* buttons = ButtonRow(ok, cancel);
    grid->addLayout(buttons, 2, 0, 1, 3);

    // Form_Load: the arrays in file order, the grayscale options off.
    for (const FoundArray& a : panel_.arrays()) arrayList_->addItem(Latin1ToQString(a.name));
    ShowPanel();

    connect(arrayList_, &QListWidget::currentRowChanged, this, [this] { ArrayList_Click(); });
    connect(parseGrayscale_, &QCheckBox::clicked, this, [this] { ParseGrayscale_Click(); });
    connect(dlMode_, &QRadioButton::clicked, this, [this] {
        panel_.DLMode_Click();
        ShowPanel();
    });
    connect(ldMode_, &QRadioButton::clicked, this, [this] {
        panel_.LDMode_Click();
        ShowPanel();
    });
    connect(nSprites_, &QComboBox::activated, this, [this](int entry) {
        panel_.NSprites_Click(entry);
        ShowPanel();
    });
    connect(ok, &QPushButton::clicked, this, [this] { OkBttn_Click(); });
    connect(cancel, &QPushButton::clicked, this, [this] { CancelBttn_Click(); });
    setFocusProxy(arrayList_);
    AnswerKeys(*this, ok, cancel);
    KeepAllOneLine(*this);
}

void ImportC::ArrayList_Click()
{
    panel_.ArrayList_Click(arrayList_->currentRow());
    ShowPanel();
}

void ImportC::ParseGrayscale_Click()
{
    panel_.ParseGrayscale_Click(parseGrayscale_->isChecked());
    ShowPanel();
}

void ImportC::OkBttn_Click()
{
    if (panel_.OkBttn_Click(state_)) CloseWindow();
}

void ImportC::CancelBttn_Click()
{
    CloseWindow();
}

void ImportC::ShowPanel()
{
    const QSignalBlocker b1(parseGrayscale_);
    const QSignalBlocker b2(nSprites_);
    parseGrayscale_->setChecked(panel_.parseGrayscale);
    const bool on = panel_.grayOptionsEnabled;
    for (QWidget* w : std::initializer_list<QWidget*>{gaoFrame_, nSprites_, ldMode_, dlMode_, gacFrame_, saFrame_, sLbl_})
        w->setEnabled(on);
    dlMode_->setChecked(panel_.darkFirst);
    ldMode_->setChecked(!panel_.darkFirst);
    QStringList entries;
    for (int n : panel_.spriteCounts) entries << QString::number(n);
    QStringList shown;
    for (int i = 0; i < nSprites_->count(); ++i) shown << nSprites_->itemText(i);
    if (shown != entries) {
        nSprites_->clear();
        nSprites_->addItems(entries);
    }
    nSprites_->setCurrentIndex(panel_.spriteEntry);
    if (panel_.selected >= 0) preview_->Show(state_, panel_.buffer);
}

void ImportC::CloseWindow()
{
    CloseDialogWindow(*this);
}

ImportC* ShowImportC(QMdiArea& area, EditorState& state, std::vector<FoundArray> arrays)
{
    CloseDialogsOf<ImportC>(area);
    auto* form = new ImportC(state, std::move(arrays));
    ShowDialogWindow(area, form, "C Import Panel");
    return form;
}

}  // namespace pixador
