#include "compose/ui/plugin_form.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

#include <utility>

#include "core/ui/dialog_keys.h"
#include "core/ui/named.h"
#include "core/ui/qt_text.h"
#include "core/ui/sub_window.h"

namespace pixador {

namespace {

constexpr const char* kCaption = ".:: Pixador Filter Plug-ins ::.";

// Plug-in texts are single bytes.
QStringList ToItems(const std::vector<std::string>& texts)
{
    QStringList items;
    for (const std::string& t : texts) items << Latin1ToQString(t);
    return items;
}

void Fill(QComboBox* box, const std::vector<std::string>& texts, int current)
{
    box->clear();
    box->addItems(ToItems(texts));
    box->setCurrentIndex(current);
}

}  // namespace

PlugInForm::PlugInForm(EditorState& state, PlugRunLibrary& plugrun, const std::string& programDir, QWidget* parent)
    : QWidget(parent), logic_(state, plugrun, programDir)
{
    setObjectName("PlugInForm");
    setWindowTitle(kCaption);

    tab_ = Named(new QTabBar, "PlugInMethodTab");
    tab_->addTab("");
    tab_->addTab("");
    for (int i = 0; i < 2; ++i) {
        pages_[i] = Named(new QFrame, "FFrame");
        pages_[i]->setProperty("index", i);
    }

    plugInList_ = Named(new QListWidget, "PlugInList");
    (new QVBoxLayout(pages_[0]))->addWidget(plugInList_);

    spFrame_ = Named(new QGroupBox("Parameters"), "SPFrame");
    sParaList_ = Named(new QComboBox, "SParaList");
    sParaVal_ = Named(new QLineEdit, "SParaVal");
    sParaVal_->setMaxLength(PXD_TEXT_SIZE - 1);  // what a value field holds
    auto* spLayout = new QHBoxLayout(spFrame_);
    spLayout->addWidget(sParaList_, 1);
    spLayout->addWidget(sParaVal_, 1);
    lpFrame_ = Named(new QGroupBox("Options"), "LPFrame");
    lParaList_ = Named(new QComboBox, "LParaList");
    lParaOptions_ = Named(new QComboBox, "LParaOptions");
    auto* lpLayout = new QHBoxLayout(lpFrame_);
    lpLayout->addWidget(lParaList_, 1);
    lpLayout->addWidget(lParaOptions_, 1);
    auto* configLayout = new QVBoxLayout(pages_[1]);
    configLayout->addWidget(spFrame_);
    configLayout->addWidget(lpFrame_);
    configLayout->addStretch();

    auto* apply = Named(new QPushButton("Use it!"), "ApplyFilter");
    auto* cancel = Named(new QPushButton("Wait! Cancel"), "CancelBttn");
    auto* buttons = ButtonRow(apply, cancel);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(tab_);
    outer->addWidget(pages_[0], 1);
    outer->addWidget(pages_[1], 1);
    outer->addLayout(buttons);
    setMinimumSize(320, 260);

    setFocusProxy(plugInList_);
    AnswerKeys(*this, apply, cancel);
    KeepAllOneLine(*this);

    logic_.Form_Load();
    ShowLogic();

    connect(tab_, &QTabBar::currentChanged, this, [this](int tab) {
        logic_.PlugInMethodTab_Click(tab);
        ShowLogic();
    });
    connect(plugInList_, &QListWidget::currentRowChanged, this, [this](int row) {
        rowChangedByPress_ = QApplication::mouseButtons() != Qt::NoButton;
        logic_.PlugInList_Click(row);
        ShowLogic();
    });
    // Clicking the plug-in already selected selects it again: its defaults come back.
    connect(plugInList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (std::exchange(rowChangedByPress_, false)) return;
        logic_.PlugInList_Click(plugInList_->row(item));
        ShowLogic();
    });
    connect(sParaList_, &QComboBox::activated, this, [this](int entry) {
        logic_.SParaList_Click(entry);
        ShowLogic();
    });
    connect(sParaVal_, &QLineEdit::textEdited, this, [this](const QString& text) {
        logic_.SParaVal_Change(QStringToLatin1(text));
    });
    connect(lParaList_, &QComboBox::activated, this, [this](int entry) {
        logic_.LParaList_Click(entry);
        ShowLogic();
    });
    connect(lParaOptions_, &QComboBox::activated, this, [this](int option) {
        logic_.LParaOptions_Click(option);
        ShowLogic();
    });
    connect(apply, &QPushButton::clicked, this, [this] {
        if (logic_.ApplyFilter_Click()) CloseWindow();
    });
    connect(cancel, &QPushButton::clicked, this, [this] { CloseWindow(); });
}

void PlugInForm::ShowLogic()
{
    const PlugInFormLogic& l = logic_;
    const QSignalBlocker b1(tab_), b2(plugInList_), b3(sParaList_), b4(lParaList_), b5(lParaOptions_);
    for (int i = 0; i < 2 && i < static_cast<int>(l.tabCaptions.size()); ++i)
        tab_->setTabText(i, ToQString(l.tabCaptions[i]));
    tab_->setCurrentIndex(l.page);
    pages_[0]->setVisible(l.page == 0);
    pages_[1]->setVisible(l.page == 1);

    if (plugInList_->count() != static_cast<int>(l.plugInList.size())) {
        plugInList_->clear();
        plugInList_->addItems(ToItems(l.plugInList));
    }
    plugInList_->setCurrentRow(l.plugInRow);

    Fill(sParaList_, l.sParaList, l.sParaRow);
    if (QStringToLatin1(sParaVal_->text()) != l.sParaVal) sParaVal_->setText(Latin1ToQString(l.sParaVal));
    Fill(lParaList_, l.lParaList, l.lParaRow);
    Fill(lParaOptions_, l.lParaOptions, l.lParaOption);
    spFrame_->setVisible(l.spFrameVisible);
    lpFrame_->setVisible(l.lpFrameVisible);
}

void PlugInForm::CloseWindow()
{
    CloseDialogWindow(*this);
}

PlugInForm* OpenPlugInForm(QMdiArea& area, EditorState& state, PlugRunLibrary& plugrun, const std::string& programDir)
{
    CloseDialogsOf<PlugInForm>(area);
    auto* form = new PlugInForm(state, plugrun, programDir);
    ShowDialogWindow(area, form, kCaption);
    return form;
}

}  // namespace pixador
