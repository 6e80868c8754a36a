// The real X11 clipboard, read and written by another process (xclip). Runs only under a real
// X server (ctest starts it through xvfb-run); elsewhere it skips.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include "canvas/clipboard.h"
#include "canvas/selection.h"
#include "core/whole_sprite.h"
#include "ui/main_window_fixture.h"

namespace pixador {
namespace {

using testing::MainWindowFixture;

bool OnX11()
{
    return QGuiApplication::platformName() == "xcb" && !QStandardPaths::findExecutable("xclip").isEmpty();
}

// A loaded machine can take seconds to start a process or pass a selection on: every wait polls
// up to this long.
constexpr int kPatienceMs = 10000;

// Runs xclip while this process keeps answering clipboard requests.
QByteArray RunXclip(const QStringList& args, const QByteArray& input = {})
{
    QProcess xclip;
    xclip.start("xclip", args);
    if (!xclip.waitForStarted(kPatienceMs)) return {};
    if (!input.isNull()) {
        xclip.write(input);
        xclip.closeWriteChannel();
    }
    QByteArray out;
    QElapsedTimer waited;
    waited.start();
    while (xclip.state() != QProcess::NotRunning && !waited.hasExpired(kPatienceMs)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        xclip.waitForFinished(10);
        out += xclip.readAllStandardOutput();
    }
    out += xclip.readAllStandardOutput();
    return out;
}

// Keeps the event loop turning until the clipboard holds text or the patience runs out.
void WaitForClipboardText(testing::MainWindowFixture& f, const std::string& text)
{
    QElapsedTimer waited;
    waited.start();
    while (f.view.ClipboardText() != text && !waited.hasExpired(kPatienceMs)) QTest::qWait(20);
}

TEST(SystemClipboard, PxdTextAndCanvasImageReachAnotherProcessAndTextComesBack)
{
    if (!OnX11()) GTEST_SKIP() << "needs an X server and xclip";
    MainWindowFixture f;
    // A 2 x 2 selection of white, black / light gray, dark gray, and a row of 200 so that
    // codes above 127 travel too.
    ResizeSprite(f.state, 8, 200);
    SetPixel(f.state, 0, 1, kBlack);
    SetPixel(f.state, 1, 0, kLightGray);
    SetPixel(f.state, 1, 1, kDarkGray);
    f.state.selection = {true, 0, 0, 2, 200};
    PXDCopyBttn_Click(f.state);
    const std::string sent = f.view.ClipboardText();
    ASSERT_EQ(sent.substr(0, 5), "XPXDD");
    const QByteArray got = RunXclip({"-o", "-selection", "clipboard"});
    EXPECT_EQ(QString::fromUtf8(got), QString::fromLatin1(sent.data(), static_cast<qsizetype>(sent.size())));

    // The canvas picture as an image.
    ClipDABttn_Click(f.state);
    const QByteArray png = RunXclip({"-o", "-selection", "clipboard", "-t", "image/png"});
    const QImage image = QImage::fromData(png, "PNG");
    EXPECT_FALSE(image.isNull()) << "no image on the clipboard";

    // Text put there by another program, with a NUL and codes above 127, imports.
    std::string text = "XPXDD";
    text += static_cast<char>(1);
    text += static_cast<char>(130);
    for (int i = 0; i < 130; ++i) text += static_cast<char>(i == 0 ? 35 : 5);
    const QString wide = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    RunXclip({"-i", "-selection", "clipboard"}, wide.toUtf8());
    WaitForClipboardText(f, text);
    EXPECT_EQ(f.view.ClipboardText(), text);
    PXDPasteBttn_Click(f.state);
    EXPECT_TRUE(f.state.clipboard.full);
    EXPECT_EQ(f.state.clipboard.width, 1);
    EXPECT_EQ(f.state.clipboard.height, 130);
}

}  // namespace
}  // namespace pixador
