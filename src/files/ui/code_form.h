#pragma once
// The code window: one multi-line text box showing the generated source.

#include <QWidget>

#include <string>

class QMdiArea;
class QPlainTextEdit;

namespace pixador {

class CodeForm : public QWidget {
    Q_OBJECT
public:
    explicit CodeForm(QWidget* parent = nullptr);

    QPlainTextEdit* CodeBox() const { return codeBox_; }
    // Generated text is bytes; each byte is shown as the character of that code.
    void SetCode(const std::string& bytes);
    // The text box keeps to the window's size, less the frame the window draws.
    void Form_Resize(const QSize& windowSize);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* codeBox_;
};

// Shows text in the code window of area, creating the window (modeless) when none is open.
CodeForm* ShowCodeForm(QMdiArea& area, const std::string& text);

}  // namespace pixador
