#include "files/ui/conf.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

#include "core/ui/dialog_keys.h"
#include "core/ui/named.h"
#include "core/ui/qt_text.h"
#include "core/ui/sub_window.h"
#include "core/editor_state.h"
#include "core/text_helpers.h"
#include "files/conf_guards.h"
#include "files/preferences.h"

namespace pixador {

namespace {

QLineEdit* Box(QWidget* parent, const char* name, int maxLength, const char* tooltip = nullptr)
{
    auto* box = Named(new QLineEdit(parent), name, tooltip);
    box->setMaxLength(maxLength);
    return box;
}

class Conf : public QWidget {
public:
    explicit Conf(EditorState& state) : state_(state)
    {
        setObjectName("Conf");
        setWindowTitle("Pixador Configuration panel");
        pages_ = Named(new QTabBar(this), "ConfPages");
        pages_->addTab("&General and ASCII Export");
        pages_->addTab("&Code Output");

        // First page.
        gFrame_ = Named(new QGroupBox("General Options", this), "GFrame");
        auto* defFrame = Named(new QGroupBox("Defaults", gFrame_), "DefFrame");
        defW_ = Named(new QComboBox(defFrame), "DefW");
        defW_->addItems({"8", "16", "32"});
        defH_ = Box(defFrame, "DefH", 3);
        useLcd_ = Named(new QCheckBox("LCD colorset as default", defFrame), "UseLCD");
        auto* defLayout = new QGridLayout(defFrame);
        defLayout->addWidget(new QLabel("Width:", defFrame), 0, 0);
        defLayout->addWidget(defW_, 0, 1);
        defLayout->addWidget(new QLabel("Height:", defFrame), 0, 2);
        defLayout->addWidget(defH_, 0, 3);
        defLayout->addWidget(useLcd_, 1, 0, 1, 4);
        auto* bwFrame = Named(new QGroupBox("Black and White settings", gFrame_), "BWFrame");
        alwaysGray_ = Named(new QRadioButton("Always generate Grayscale code.", bwFrame), "AlwaysGray");
        alwaysBW_ = Named(new QRadioButton("Always generate BW Code.", bwFrame), "AlwaysBW");
        alwaysPrompt_ = Named(new QRadioButton("Always prompt about the output format.", bwFrame), "AlwaysPromptBW");
        auto* bwLayout = new QVBoxLayout(bwFrame);
        for (QWidget* w : {static_cast<QWidget*>(alwaysGray_), static_cast<QWidget*>(alwaysBW_),
                           static_cast<QWidget*>(alwaysPrompt_)})
            bwLayout->addWidget(w);
        promptClear_ = Named(new QCheckBox("Always prompt before performing an irreversible action.", gFrame_), "PromptClear");
        auto* gLayout = new QVBoxLayout(gFrame_);
        gLayout->addWidget(defFrame);
        gLayout->addWidget(bwFrame);
        gLayout->addWidget(promptClear_);

        asciiFrame_ = Named(new QGroupBox("ASCII Export Settings", this), "ASCIIFrame");
        doubleWidth_ = Named(new QCheckBox("Width x 2 aspect ratio correction.", asciiFrame_), "DoubleWidthBttn",
                             "Duplicate pixels in a row to correct aspect ratio.");
        auto* colorsFrame = Named(new QGroupBox("Grayscale", asciiFrame_), "ColorsFrame");
        auto* colorsLayout = new QHBoxLayout(colorsFrame);
        const char* names[4] = {"WhiteASCII", "LGrayASCII", "DGrayASCII", "BlackASCII"};
        const char* tips[4] = {"White", "Light Gray", "Dark Gray", "Black"};
        for (int i = 0; i < 4; ++i) {
            ascii_[i] = Box(colorsFrame, names[i], 1, tips[i]);
            ascii_[i]->setFixedWidth(32);
            ascii_[i]->setAlignment(Qt::AlignCenter);
            colorsLayout->addWidget(ascii_[i]);
        }
        auto* asciiLayout = new QVBoxLayout(asciiFrame_);
        asciiLayout->addWidget(doubleWidth_);
        asciiLayout->addWidget(colorsFrame);

        // Second page.
        cFrame_ = Named(new QGroupBox("Code Output Customization", this), "cframe");
        copy_ = Named(new QCheckBox("Copy to Clipboard once generated.", cFrame_), "CopyToClipboard");
        name_ = Box(cFrame_, "SpriteName", 20);
        sample_ = Named(new QCheckBox("Generate sample call.", cFrame_), "SampleCall");
        encode_ = Named(new QComboBox(cFrame_), "EncodeMethod");
        encode_->addItems({"Hexadecimal", "Decimal", "Binary"});
        auto* fFrame = Named(new QGroupBox("Formatting", cFrame_), "fframe");
        auto* iFrame = Named(new QGroupBox("Indent", fFrame), "iframe");
        indent_ = Box(iFrame, "IndentBox", 2);
        useSpace_ = Named(new QRadioButton("SPC", iFrame), "UseSpace");
        useTab_ = Named(new QRadioButton("TAB", iFrame), "UseTab");
        auto* iLayout = new QHBoxLayout(iFrame);
        iLayout->addWidget(new QLabel("No of chars.", iFrame));
        iLayout->addWidget(indent_);
        iLayout->addWidget(useSpace_);
        iLayout->addWidget(useTab_);
        perLine_ = Box(fFrame, "ePerLine", 2);
        explicitDim_ = Named(new QCheckBox("Explicit Dimensions.", fFrame), "ExplicitDim");
        auto* fLayout = new QGridLayout(fFrame);
        fLayout->addWidget(iFrame, 0, 0, 1, 2);
        fLayout->addWidget(new QLabel("Items per line:", fFrame), 1, 0);
        fLayout->addWidget(perLine_, 1, 1);
        fLayout->addWidget(explicitDim_, 2, 0, 1, 2);
        auto* orderFrame = Named(new QGroupBox("Sprite layers arrangement", cFrame_), "OrderFrame");
        auto* orderLayout = new QVBoxLayout(orderFrame);
        layerGroup_ = new QButtonGroup(this);
        const char* orders[4] = {"Light -> Dark", "Dark -> Light", "Interlaced Dark -> Light", "Interlaced Light -> Dark"};
        for (int i = 0; i < 4; ++i) {
            auto* b = Named(new QRadioButton(orders[i], orderFrame), "LayerOrder");
            b->setProperty("index", i);
            layerGroup_->addButton(b, i);
            orderLayout->addWidget(b);
        }
        auto* aFrame = Named(new QGroupBox("ASM options", cFrame_), "AFrame");
        graphLib_ = Named(new QCheckBox("graphlib", aFrame), "GraphLib", "GraphLib Sprite Format");
        incDefines_ = Named(new QCheckBox("Include typical #defines.", cFrame_), "IncDefines");
        (new QVBoxLayout(aFrame))->addWidget(graphLib_);
        auto* cLayout = new QGridLayout(cFrame_);
        cLayout->addWidget(copy_, 0, 0, 1, 2);
        cLayout->addWidget(new QLabel("Sprite Array Name:", cFrame_), 1, 0);
        cLayout->addWidget(name_, 1, 1);
        cLayout->addWidget(sample_, 2, 0, 1, 2);
        cLayout->addWidget(new QLabel("Sprite encode method:", cFrame_), 3, 0);
        cLayout->addWidget(encode_, 3, 1);
        cLayout->addWidget(fFrame, 4, 0, 1, 2);
        cLayout->addWidget(orderFrame, 5, 0);
        cLayout->addWidget(aFrame, 5, 1);
        cLayout->addWidget(incDefines_, 6, 0, 1, 2);

        auto* ok = Named(new QPushButton("Ok", this), "OkBttn");
        auto* cancel = Named(new QPushButton("Cancel", this), "CancelBttn");
        auto* save = Named(new QPushButton("Save to Ini", this), "SaveIni");
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(save);
        buttons->addStretch();
        buttons->addWidget(ok);
        buttons->addWidget(cancel);
        auto* outer = new QVBoxLayout(this);
        outer->addWidget(pages_);
        outer->addWidget(gFrame_);
        outer->addWidget(asciiFrame_);
        outer->addWidget(cFrame_);
        outer->addStretch();
        outer->addLayout(buttons);

        Form_Load();
        setMinimumSize(BothPagesSize());
        connect(pages_, &QTabBar::currentChanged, this, [this] { ConfPages_Click(); });
        connect(defH_, &QLineEdit::textEdited, this, [this](const QString& t) {
            if (auto fixed = DefH_Change(t.toStdString())) defH_->setText(QString::fromStdString(*fixed));
        });
        connect(perLine_, &QLineEdit::textEdited, this, [this](const QString& t) {
            if (auto fixed = ePerLine_Change(t.toStdString())) perLine_->setText(QString::fromStdString(*fixed));
        });
        connect(name_, &QLineEdit::textEdited, this, [this](const QString& t) {
            if (auto fixed = SpriteName_Change(t.toStdString(), name_->cursorPosition())) {
                name_->setText(QString::fromStdString(fixed->text));
                name_->setCursorPosition(fixed->caret);
            }
        });
        connect(ok, &QPushButton::clicked, this, [this] {
            ApplyConfig(state_, Controls());
            CloseWindow();
        });
        connect(save, &QPushButton::clicked, this, [this] {
            ApplyConfig(state_, Controls());
            WritePreferences(state_, JoinPath(state_.programDir, "Pixador.ini"));
        });
        connect(cancel, &QPushButton::clicked, this, [this] { CloseWindow(); });
        setFocusProxy(defW_);
        AnswerKeys(*this, ok, cancel);
        KeepAllOneLine(*this);
    }

private:
    void Form_Load()
    {
        const ConfControls c = ControlsFromPreferences(state_);
        defW_->setCurrentIndex(c.defWEntry);
        defH_->setText(QString::fromStdString(c.defH));
        useLcd_->setChecked(c.useLcd);
        alwaysGray_->setChecked(c.alwaysGray);
        alwaysBW_->setChecked(c.alwaysBW);
        alwaysPrompt_->setChecked(c.alwaysPromptBW);
        promptClear_->setChecked(c.promptClear);
        doubleWidth_->setChecked(c.doubleWidth);
        for (int i = 0; i < 4; ++i) ascii_[i]->setText(Latin1ToQString(c.asciiBoxes[i]));
        copy_->setChecked(c.copyToClipboard);
        name_->setText(QString::fromStdString(c.spriteName));
        sample_->setChecked(c.sampleCall);
        encode_->setCurrentIndex(c.encodeMethod);
        indent_->setText(QString::fromStdString(c.indentBox));
        useSpace_->setChecked(c.useSpace);
        useTab_->setChecked(!c.useSpace);
        perLine_->setText(QString::fromStdString(c.ePerLine));
        explicitDim_->setChecked(c.explicitDim);
        if (QAbstractButton* b = layerGroup_->button(c.layerOrder)) b->setChecked(true);
        graphLib_->setChecked(c.graphLib);
        incDefines_->setChecked(c.incDefines);
        ConfPages_Click();
    }

    void ConfPages_Click()
    {
        const bool first = pages_->currentIndex() == 0;
        gFrame_->setVisible(first);
        asciiFrame_->setVisible(first);
        cFrame_->setVisible(!first);
    }

    // Room for the taller and the wider of the two pages, so switching never resizes the dialog.
    QSize BothPagesSize()
    {
        const int current = pages_->currentIndex();
        QSize size;
        for (int page : {0, 1}) {
            const QSignalBlocker quiet(pages_);
            pages_->setCurrentIndex(page);
            ConfPages_Click();
            layout()->invalidate();
            size = size.expandedTo(layout()->totalSizeHint());
        }
        const QSignalBlocker quiet(pages_);
        pages_->setCurrentIndex(current);
        ConfPages_Click();
        return size;
    }

    ConfControls Controls() const
    {
        ConfControls c;
        c.defWEntry = defW_->currentIndex();
        c.defH = defH_->text().toStdString();
        c.useLcd = useLcd_->isChecked();
        c.alwaysGray = alwaysGray_->isChecked();
        c.alwaysBW = alwaysBW_->isChecked();
        c.alwaysPromptBW = alwaysPrompt_->isChecked();
        c.promptClear = promptClear_->isChecked();
        c.doubleWidth = doubleWidth_->isChecked();
        for (int i = 0; i < 4; ++i) c.asciiBoxes[i] = QStringToLatin1(ascii_[i]->text());
        c.copyToClipboard = copy_->isChecked();
        c.spriteName = name_->text().toStdString();
        c.sampleCall = sample_->isChecked();
        c.encodeMethod = encode_->currentIndex();
        c.indentBox = indent_->text().toStdString();
        c.useSpace = useSpace_->isChecked();
        c.ePerLine = perLine_->text().toStdString();
        c.explicitDim = explicitDim_->isChecked();
        c.layerOrder = std::max(0, layerGroup_->checkedId());
        c.graphLib = graphLib_->isChecked();
        c.incDefines = incDefines_->isChecked();
        return c;
    }

    void CloseWindow()
    {
        CloseDialogWindow(*this);
    }

    EditorState& state_;
    QTabBar* pages_;
    QGroupBox* gFrame_;
    QGroupBox* asciiFrame_;
    QGroupBox* cFrame_;
    QComboBox* defW_;
    QLineEdit* defH_;
    QCheckBox* useLcd_;
    QRadioButton* alwaysGray_;
    QRadioButton* alwaysBW_;
    QRadioButton* alwaysPrompt_;
    QCheckBox* promptClear_;
    QCheckBox* doubleWidth_;
    std::array<QLineEdit*, 4> ascii_{};
    QCheckBox* copy_;
    QLineEdit* name_;
    QCheckBox* sample_;
    QComboBox* encode_;
    QLineEdit* indent_;
    QRadioButton* useSpace_;
    QRadioButton* useTab_;
    QLineEdit* perLine_;
    QCheckBox* explicitDim_;
    QButtonGroup* layerGroup_;
    QCheckBox* graphLib_;
    QCheckBox* incDefines_;
};

}  // namespace

void OpenConfDialog(QMdiArea& area, EditorState& state)
{
    for (QMdiSubWindow* sub : area.subWindowList()) {
        if (sub->widget() && sub->widget()->objectName() == "Conf") {
            sub->show();
            area.setActiveSubWindow(sub);
            return;
        }
    }
    auto* conf = new Conf(state);
    ShowDialogWindow(area, conf, conf->windowTitle());
}

}  // namespace pixador
