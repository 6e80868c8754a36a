#include "core/app/qt_editor_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <QFileDialog>
#include <QMainWindow>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>

#include "core/ui/qt_text.h"

namespace pixador {

QString FileDialogFilter(const FileDialogRequest& r)
{
    return ToQString(r.description) + " (" + ToQString(r.pattern).replace(';', ' ') + ")";
}

void QtEditorView::AddSurface(PixelSurface* surface)
{
    surfaces_.push_back(surface);
}

void QtEditorView::RemoveSurface(PixelSurface* surface)
{
    std::erase(surfaces_, surface);
}

void QtEditorView::RedrawCanvas()
{
    if (canvas_) canvas_->Redraw();
    for (PixelSurface* s : surfaces_) s->Redraw();
}

void QtEditorView::PaintPixel(int x, int y)
{
    if (canvas_) canvas_->PaintPixel(x, y);
    for (PixelSurface* s : surfaces_) s->PaintPixel(x, y);
}

void QtEditorView::RelayoutCanvas()
{
    if (canvas_) canvas_->SpriteResized();
    for (PixelSurface* s : surfaces_) s->SpriteResized();
}

void QtEditorView::ShowOverlay(OverlayShape shape, const Overlay& overlay)
{
    if (canvas_) canvas_->ShowOverlay(shape, overlay);
}

void QtEditorView::SetCanvasTooltip(const std::string& text)
{
    if (canvas_) canvas_->SetTooltip(ToQString(text));
}

void QtEditorView::ColorSetChanged()
{
    if (canvas_) canvas_->BackgroundChanged();
}
void QtEditorView::ShowCurrentColors() {}

void QtEditorView::EnableCommand(std::string_view name, bool enabled)
{
    if (!main_) return;
    if (QAction* a = main_->findChild<QAction*>(ToQString(name))) a->setEnabled(enabled);
}

void QtEditorView::CheckCommand(std::string_view name, bool checked)
{
    if (!main_) return;
    if (QAction* a = main_->findChild<QAction*>(ToQString(name))) a->setChecked(checked);
}

bool QtEditorView::IsCommandChecked(std::string_view name) const
{
    if (!main_) return false;
    const QAction* a = main_->findChild<QAction*>(ToQString(name));
    return a && a->isChecked();
}

void QtEditorView::SetCommandCaption(std::string_view name, int index, const std::string& caption)
{
    if (!main_) return;
    // Items of a group share their name and carry their position in the "index" property. Menu
    // items are the main window's own children: looked for there first, without walking every
    // window (the quick-access captions are set this way at start-up).
    const QString key = ToQString(name);
    QList<QAction*> group = main_->findChildren<QAction*>(key, Qt::FindDirectChildrenOnly);
    if (group.isEmpty()) group = main_->findChildren<QAction*>(key);
    for (QAction* a : group) {
        if (a->property("index").toInt() == index) a->setText(ToQString(caption));
    }
}

void QtEditorView::SetCaption(const std::string& caption)
{
    if (!main_) return;
    // The main window keeps this caption whatever its MDI area appends for a maximised child.
    main_->setProperty("caption", ToQString(caption));
    main_->setWindowTitle(ToQString(caption));
}

void QtEditorView::SetStatusText(const std::string& text)
{
    // A permanent label: menu hovers show their tips over it without erasing it.
    if (!main_) return;
    if (auto* label = main_->statusBar()->findChild<QLabel*>("StatusText")) label->setText(ToQString(text));
}

MessageAnswer QtPrompter::ShowMessage(QWidget* owner, const MessageRequest& request)
{
    QMessageBox box(owner);
    box.setWindowTitle(ToQString(request.title));
    box.setText(ToQString(request.text));
    box.setIcon(request.icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon);
    if (request.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

std::string QtPrompter::ShowOpenDialog(QWidget* owner, const FileDialogRequest& request)
{
    const QString path = QFileDialog::getOpenFileName(owner, ToQString(request.title),
                                                      ToQString(request.initialFolder), FileDialogFilter(request),
                                                      nullptr, QFileDialog::HideNameFilterDetails);
    return path.toStdString();
}

std::string QtPrompter::ShowSaveDialog(QWidget* owner, const FileDialogRequest& request)
{
    // The editor asks its own overwrite question.
    const QString path = QFileDialog::getSaveFileName(owner, ToQString(request.title),
                                                      ToQString(request.initialFolder), FileDialogFilter(request),
                                                      nullptr,
                                                      QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails);
    return path.toStdString();
}

void QtEditorView::TakeBackKeyboard()
{
    // Without a window manager nothing hands the focus back when a modal box closes, and the
    // menu's keys would reach no window.
    if (main_ && main_->isVisible() && !QApplication::activeWindow()) main_->activateWindow();
}

MessageAnswer QtEditorView::ShowMessage(const MessageRequest& request)
{
    // A message during start-up (a bad command-line file) shows over the main window, not alone.
    if (main_ && !main_->isVisible()) main_->show();
    const MessageAnswer answer = prompter_->ShowMessage(main_, request);
    TakeBackKeyboard();
    return answer;
}

std::string QtEditorView::ShowOpenDialog(const FileDialogRequest& request)
{
    std::string path = prompter_->ShowOpenDialog(main_, request);
    TakeBackKeyboard();
    return path;
}

std::string QtEditorView::ShowSaveDialog(const FileDialogRequest& request)
{
    std::string path = prompter_->ShowSaveDialog(main_, request);
    TakeBackKeyboard();
    return path;
}

void QtEditorView::SetClipboardText(const std::string& bytes)
{
    QApplication::clipboard()->setText(Latin1ToQString(bytes));
}

std::string QtEditorView::ClipboardText()
{
    return QStringToLatin1(QApplication::clipboard()->text());
}

void QtEditorView::CopyCanvasImageToClipboard()
{
    if (canvas_) QApplication::clipboard()->setImage(CanvasPicture());
}

bool QtEditorView::OpenDocument(const std::string& path)
{
    if (!QFileInfo::exists(ToQString(path))) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(path)));
}

ClockTime QtEditorView::Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(), now.date().day(),
            now.time().hour(), now.time().minute(), now.time().second(), now.time().msec()};
}

}  // namespace pixador
