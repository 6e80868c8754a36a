#include "compose/ui/bmp_import.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "compose/map_export.h"
#include "core/editor_state.h"
#include "core/ui/dialog_keys.h"
#include "core/ui/named.h"
#include "core/ui/qt_text.h"
#include "core/ui/screen_color.h"
#include "core/ui/sub_window.h"

namespace pixador {

namespace {

int ButtonsOf(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) + (buttons & Qt::RightButton ? 2 : 0) +
           (buttons & Qt::MiddleButton ? 4 : 0);
}

// `MSRect`: an outline over the picture that lets the mouse through to it.
class MapRect : public QWidget {
public:
    explicit MapRect(QWidget* parent) : QWidget(parent)
    {
        setObjectName("MSRect");
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(QPen(Qt::red, 1, Qt::DashLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// Text boxes take what is typed; the rules may rewrite it. Rewriting only a changed text keeps
// the cursor where the user is typing.
void ShowText(QLineEdit* box, const std::string& text)
{
    const QString q = ToQString(text);
    if (box->text() != q) box->setText(q);
}

}  // namespace

PictureBox::PictureBox(const char* name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetImage(QImage image)
{
    image_ = std::move(image);
    setFixedSize(image_.size());
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, image_);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (onPress) onPress(ButtonsOf(event->buttons() | event->button()), event->position().toPoint());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    if (onMove) onMove(ButtonsOf(event->buttons()), event->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent*)
{
    if (onRelease) onRelease();
}

BMPImport::BMPImport(EditorState& state, BitmapImage image, QWidget* parent)
    : QWidget(parent),
      state_(state),
      capture_(state, std::move(image)),
      region_(capture_.image().width, capture_.image().height)
{
    setObjectName("BMPImport");
    setWindowTitle(".:: Pixador ::. Bitmap Capture");

    bmpPreview_ = new PictureBox("BMPPreview");
    bmpPreview_->setMouseTracking(true);
    msRect_ = new MapRect(bmpPreview_);
    msRect_->hide();
    areaXStart_ = Named(new QScrollBar(Qt::Horizontal), "AreaXStart");
    areaYStart_ = Named(new QScrollBar(Qt::Vertical), "AreaYStart");

    wBox_ = Named(new QComboBox, "WBox");
    wBox_->addItems({"8", "16", "32"});
    hBox_ = Named(new QLineEdit, "HBox");
    hBox_->setMaxLength(8);
    brightnessBar_ = Named(new QScrollBar(Qt::Vertical), "BrightnessBar");
    brightnessBar_->setRange(kMinBrightness, kMaxBrightness);
    brightnessBar_->setSingleStep(1);
    brightnessBar_->setPageStep(10);
    brightBox_ = Named(new QLineEdit, "BrightBox");
    brightBox_->setMaxLength(8);
    capturePreview_ = new PictureBox("CapturePreview");
    origin_ = Named(new QLabel("xo,yo"), "origin");
    endLbl_ = Named(new QLabel("xf,yf"), "endlbl");

    auto* ok = Named(new QPushButton("Ok"), "OkBMPBttn");
    ok->setDefault(true);
    auto* cancel = Named(new QPushButton("Cancel"), "CancelBMPButton");
    mapExport_ = Named(new QCheckBox("C BitMapExport Tool"), "MapExport");

    mFrame_ = Named(new QGroupBox("C BitMap Export Tool"), "MFrame");
    mapOrigin_ = Named(new QLabel, "MapOriginLabel");
    mapWidth_ = Named(new QLabel, "MapWidthLabel");
    mapHeight_ = Named(new QLabel, "MapHeightLabel");
    mapPath_ = Named(new QLabel(ToQString(DefaultMapPath())), "MapPath");
    auto* mBrowse = Named(new QPushButton("..."), "MBrowseFile");
    auto* mExport = Named(new QPushButton("Export"), "MExportBttn");
    auto* mGrid = new QGridLayout(mFrame_);
    mGrid->addWidget(new QLabel("Origin:"), 0, 0);
    mGrid->addWidget(mapOrigin_, 0, 1);
    mGrid->addWidget(new QLabel("Width:"), 0, 2);
    mGrid->addWidget(mapWidth_, 0, 3);
    mGrid->addWidget(new QLabel("Height:"), 0, 4);
    mGrid->addWidget(mapHeight_, 0, 5);
    mGrid->addWidget(mapPath_, 1, 0, 1, 4);
    mGrid->addWidget(mBrowse, 1, 4);
    mGrid->addWidget(mExport, 1, 5);
    mFrame_->hide();

    // The picture with its two scroll bars.
    auto* pictureGrid = new QGridLayout;
    pictureGrid->setSpacing(0);
    pictureGrid->addWidget(bmpPreview_, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    pictureGrid->addWidget(areaYStart_, 0, 1);
    pictureGrid->addWidget(areaXStart_, 1, 0);
    pictureGrid->setRowStretch(2, 1);
    pictureGrid->setColumnStretch(2, 1);

    // The capture boxes, the preview and its corners, and the brightness bar beside them all.
    auto* side = new QGridLayout;
    side->addWidget(new QLabel("Width"), 0, 0);
    side->addWidget(wBox_, 0, 1);
    side->addWidget(new QLabel("Height"), 1, 0);
    side->addWidget(hBox_, 1, 1);
    side->addWidget(new QLabel("Brightness"), 2, 0);
    side->addWidget(brightBox_, 2, 1);
    auto* corners = new QVBoxLayout;
    corners->addWidget(origin_);
    corners->addWidget(endLbl_);
    corners->addStretch();
    auto* previewRow = new QHBoxLayout;
    previewRow->addWidget(capturePreview_, 0, Qt::AlignTop);
    previewRow->addLayout(corners);
    side->addLayout(previewRow, 3, 0, 1, 2);
    side->setRowStretch(3, 1);
    // The bar spans the boxes and the preview beside it: 201 steps need room to aim at.
    side->addWidget(brightnessBar_, 0, 2, 4, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mapExport_);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* outer = new QGridLayout(this);
    outer->addLayout(pictureGrid, 0, 0);
    outer->addLayout(side, 0, 1);
    outer->addLayout(buttons, 1, 0, 1, 2);
    outer->addWidget(mFrame_, 2, 0, 1, 2);

    setFocusProxy(wBox_);
    AnswerKeys(*this, ok, cancel);
    KeepAllOneLine(*this);

    // Form_Load: the picture in gray, the first capture, the map labels.
    PaintBitmapPreview();
    ShowCapture();
    ShowRegion();

    connect(areaXStart_, &QScrollBar::valueChanged, this, [this](int v) {
        capture_.AreaXStart_Change(v);
        ShowCapture();
    });
    connect(areaYStart_, &QScrollBar::valueChanged, this, [this](int v) {
        capture_.AreaYStart_Change(v);
        ShowCapture();
    });
    connect(wBox_, &QComboBox::activated, this, [this](int entry) {
        capture_.WBox_Click(entry);
        ShowCapture();
    });
    connect(hBox_, &QLineEdit::textEdited, this, [this](const QString& text) {
        capture_.HBox_Change(text.toStdString());
        ShowCapture();
    });
    connect(brightnessBar_, &QScrollBar::valueChanged, this, [this](int v) {
        capture_.BrightnessBar_Change(v);
        ShowCapture();
    });
    connect(brightBox_, &QLineEdit::textEdited, this, [this](const QString& text) {
        capture_.BrightBox_Change(text.toStdString());
        ShowCapture();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        capture_.OkBMPBttn_Click(state_);
        CloseWindow();
    });
    connect(cancel, &QPushButton::clicked, this, [this] { CloseWindow(); });

    connect(mapExport_, &QCheckBox::toggled, this, [this] { MapExport_Click(); });
    bmpPreview_->onPress = [this](int buttons, QPoint at) {
        region_.MouseDown(buttons, at.x(), at.y());
        ShowRegion();
    };
    bmpPreview_->onMove = [this](int buttons, QPoint at) {
        region_.MouseMove(buttons, at.x(), at.y());
        ShowRegion();
    };
    bmpPreview_->onRelease = [this] {
        region_.MouseUp();
        ShowRegion();
    };
    connect(mBrowse, &QPushButton::clicked, this, [this] {
        if (const auto path = MBrowseFile_Click(state_)) mapPath_->setText(ToQString(*path));
    });
    connect(mExport, &QPushButton::clicked, this, [this] {
        const std::string text = MapExportText(capture_.image(), region_.left, region_.top, region_.width,
                                               region_.height, capture_.brightness);
        MExportBttn_Click(state_, mapPath_->text().toStdString(), text);
    });
}

void BMPImport::PaintBitmapPreview()
{
    const BitmapImage& image = capture_.image();
    QImage picture(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < image.width; ++x) {
            const int g = image.Gray(x, y);
            line[x] = qRgb(g, g, g);
        }
    }
    bmpPreview_->SetImage(std::move(picture));
}

void BMPImport::ShowCapture()
{
    const QSignalBlocker b1(areaXStart_);
    const QSignalBlocker b2(areaYStart_);
    const QSignalBlocker b3(brightnessBar_);
    const QSignalBlocker b4(wBox_);
    areaXStart_->setRange(0, std::max(capture_.XStartMax(), 0));
    areaYStart_->setRange(0, std::max(capture_.YStartMax(), 0));
    areaXStart_->setValue(capture_.xStart);
    areaYStart_->setValue(capture_.yStart);
    wBox_->setCurrentIndex(capture_.widthEntry);
    ShowText(hBox_, capture_.heightText);
    brightnessBar_->setValue(capture_.brightness);
    ShowText(brightBox_, capture_.brightText);
    origin_->setText(ToQString(capture_.OriginText()));
    endLbl_->setText(ToQString(capture_.EndText()));

    const int w = capture_.Width();
    const int h = capture_.Height();
    QImage picture(w, h, QImage::Format_RGB32);
    const std::vector<std::uint32_t>& colors = capture_.preview();
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = colors[static_cast<std::size_t>(y) * w + x];
            line[x] = ToRgb(c);
        }
    }
    capturePreview_->SetImage(std::move(picture));
}

void BMPImport::ShowRegion()
{
    msRect_->setGeometry(region_.left, region_.top, region_.width, region_.height);
    msRect_->setVisible(region_.visible);
    bmpPreview_->setCursor(region_.SizingCursor() ? Qt::SizeFDiagCursor : Qt::ArrowCursor);
    mapOrigin_->setText(ToQString(region_.OriginText()));
    mapWidth_->setText(ToQString(region_.WidthText()));
    mapHeight_->setText(ToQString(region_.HeightText()));
}

void BMPImport::MapExport_Click()
{
    region_.visible = mapExport_->isChecked();
    mFrame_->setVisible(region_.visible);
    ShowRegion();
    // The window grows to show the tool and shrinks again without it.
    if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        layout()->activate();
        window->adjustSize();
    }
}

void BMPImport::CloseWindow()
{
    CloseDialogWindow(*this);
}

BMPImport* ShowBMPImport(QMdiArea& area, EditorState& state, BitmapImage image)
{
    CloseDialogsOf<BMPImport>(area);
    auto* form = new BMPImport(state, std::move(image));
    ShowDialogWindow(area, form, form->windowTitle());
    return form;
}

}  // namespace pixador
