#include "files/ui/code_form.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>

#include "core/ui/qt_text.h"
#include "core/ui/sub_window.h"
#include "core/ui/twips.h"

namespace pixador {

namespace {

constexpr int kCreatedWidthTwips = 4000;
constexpr int kCreatedHeightTwips = 6000;
constexpr int kFrameWidthTwips = 135;
constexpr int kFrameHeightTwips = 405;

}  // namespace

CodeForm::CodeForm(QWidget* parent) : QWidget(parent), codeBox_(new QPlainTextEdit(this))
{
    setObjectName("CodeForm");
    setWindowTitle("Code");
    codeBox_->setObjectName("CodeBox");
    codeBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    codeBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    codeBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont mono("Monospace");
    mono.setStyleHint(QFont::TypeWriter);
    codeBox_->setFont(mono);
}

void CodeForm::SetCode(const std::string& bytes)
{
    codeBox_->setPlainText(Latin1ToQString(bytes));
}

void CodeForm::Form_Resize(const QSize& windowSize)
{
    const Twips t = TwipsFor(this);
    const int w = windowSize.width() - t.ToPixelsX(kFrameWidthTwips);
    const int h = windowSize.height() - t.ToPixelsY(kFrameHeightTwips);
    codeBox_->setGeometry(0, 0, w > 0 ? w : 0, h > 0 ? h : 0);
}

bool CodeForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = qobject_cast<QWidget*>(watched);
    if (window && event->type() == QEvent::Resize && !window->isMinimized()) Form_Resize(window->size());
    return QWidget::eventFilter(watched, event);
}

CodeForm* ShowCodeForm(QMdiArea& area, const std::string& text)
{
    CodeForm* form = nullptr;
    for (QMdiSubWindow* w : area.subWindowList())
        if ((form = qobject_cast<CodeForm*>(w->widget()))) break;
    if (!form) {
        form = new CodeForm;
        QMdiSubWindow* window = area.addSubWindow(form);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle("Code");
        window->installEventFilter(form);
        const Twips t = TwipsFor(&area);
        window->resize(t.ToPixelsX(kCreatedWidthTwips), t.ToPixelsY(kCreatedHeightTwips));
        form->Form_Resize(window->size());
    }
    form->SetCode(text);
    // The code box would claim the menu's keys (Ctrl+Z, Ctrl+C, ...) while it has the focus; it
    // gets it only when the user clicks into it.
    ShowWithoutFocus(area, *qobject_cast<QMdiSubWindow*>(form->parentWidget()));
    return form;
}

}  // namespace pixador
