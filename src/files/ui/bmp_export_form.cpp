#include "files/ui/bmp_export_form.h"

#include <QAction>
#include <QBuffer>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/dialog_keys.h"
#include "core/ui/qt_text.h"
#include "files/bmp_export.h"
#include "core/ui/sub_window.h"

namespace pixador {

namespace {

// The picture in memory in the file's format; the model writes it beside the target first.
std::optional<std::string> Encode(const QImage& picture, PictureFormat format)
{
    if (picture.isNull()) return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // 24 bits a pixel hold every canvas colour; Qt writes RGB32 pictures that way, rows
    // bottom-up and padded to 4 bytes.
    if (!picture.save(&buffer, format == PictureFormat::Png ? "PNG" : "BMP")) return std::nullopt;
    return bytes.toStdString();
}

}  // namespace

BMPExport::BMPExport(EditorState& state, CanvasPictureSource picture, QWidget* parent)
    : QWidget(parent), state_(state), picture_(std::move(picture))
{
    setObjectName("BMPExport");
    setWindowTitle(".:: Pixador ::. Bitmap Export");
    path_ = new QLineEdit(ToQString(DefaultScreenshotPath()));
    path_->setObjectName("BMPExportFile");
    path_->setMinimumWidth(260);
    auto* browse = new QPushButton("...");
    browse->setObjectName("BrowseBttn");
    auto* ok = new QPushButton("Export");
    ok->setObjectName("OkExport");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel");
    cancel->setObjectName("ExportCancel");

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(path_, 1);
    pathRow->addWidget(browse);
    auto* buttons = ButtonRow(ok, cancel);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(pathRow);
    outer->addLayout(buttons);

    setFocusProxy(path_);
    AnswerKeys(*this, ok, cancel);
    KeepOneLine(*path_);

    connect(path_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (const auto fixed = BMPExportFile_Change(text.toStdString())) path_->setText(ToQString(*fixed));
    });
    connect(browse, &QPushButton::clicked, this, [this] { path_->setText(ToQString(BrowseBttn_Click(state_))); });
    connect(ok, &QPushButton::clicked, this, [this] { OkExport_Click(); });
    connect(cancel, &QPushButton::clicked, this, [this] { CloseWindow(); });
}

void BMPExport::OkExport_Click()
{
    const QImage picture = picture_ ? picture_() : QImage();
    const auto encode = [&picture](PictureFormat format) { return Encode(picture, format); };
    if (pixador::OkExport_Click(state_, path_->text().toStdString(), encode)) CloseWindow();
}

void BMPExport::CloseWindow()
{
    CloseDialogWindow(*this);
}

BMPExport* ShowBMPExport(QMdiArea& area, EditorState& state, CanvasPictureSource picture)
{
    CloseDialogsOf<BMPExport>(area);
    auto* form = new BMPExport(state, std::move(picture));
    ShowDialogWindow(area, form, form->windowTitle());
    return form;
}

void ConnectBitmapExport(QMainWindow& main, EditorState& state, CanvasPictureSource picture)
{
    QAction* action = main.findChild<QAction*>("ExportBMP");
    if (!action) return;
    QObject::connect(action, &QAction::triggered, &main, [&main, &state, picture] {
        if (QMdiArea* area = main.findChild<QMdiArea*>()) ShowBMPExport(*area, state, picture);
    });
    action->setEnabled(true);
}

}  // namespace pixador
