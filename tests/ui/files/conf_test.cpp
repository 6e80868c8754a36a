#include "files/ui/conf.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/main_window_fixture.h"

namespace pixador {
namespace {

using testing::MainWindowFixture;
using testing::TempDir;

QWidget* OpenConf(MainWindowFixture& f)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    f.Trigger("ConfPanel");
    return f.window->findChild<QWidget*>("Conf");
}

TEST(ConfDialog, GuardsWhileTypingAndRoundTripToTheIniFile)
{
    MainWindowFixture f;
    QWidget* conf = OpenConf(f);
    ASSERT_NE(conf, nullptr);
    EXPECT_EQ(conf->windowTitle(), QString("Pixador Configuration panel"));
    EXPECT_EQ(conf->findChild<QComboBox*>("DefW")->currentIndex(), 0) << "the default width, 8";
    auto* name = conf->findChild<QLineEdit*>("SpriteName");
    EXPECT_EQ(name->text(), QString("sprite"));
    EXPECT_EQ(name->maxLength(), 20);
    name->clear();
    QTest::keyClicks(name, "my sprite");
    EXPECT_EQ(name->text(), QString("my_sprite"));
    name->clear();
    QTest::keyClicks(name, "9lives");
    EXPECT_EQ(name->text(), QString("Nine_lives"));

    auto* defH = conf->findChild<QLineEdit*>("DefH");
    defH->clear();
    QTest::keyClicks(defH, "999");
    EXPECT_EQ(defH->text(), QString("256"));
    auto* perLine = conf->findChild<QLineEdit*>("ePerLine");
    perLine->clear();
    QTest::keyClicks(perLine, "0");
    EXPECT_EQ(perLine->text(), QString("1"));
    perLine->clear();
    QTest::keyClicks(perLine, "12");

    // The pages show their frames.
    auto* pages = conf->findChild<QTabBar*>("ConfPages");
    EXPECT_FALSE(conf->findChild<QWidget*>("cframe")->isVisibleTo(conf));
    pages->setCurrentIndex(1);
    EXPECT_TRUE(conf->findChild<QWidget*>("cframe")->isVisibleTo(conf));
    EXPECT_FALSE(conf->findChild<QWidget*>("GFrame")->isVisibleTo(conf));

    conf->findChild<QComboBox*>("DefW")->setCurrentIndex(2);
    conf->findChild<QComboBox*>("EncodeMethod")->setCurrentIndex(2);
    conf->findChild<QRadioButton*>("UseTab")->setChecked(true);
    conf->findChild<QRadioButton*>("AlwaysBW")->setChecked(true);
    conf->findChild<QCheckBox*>("UseLCD")->setChecked(false);
    for (QRadioButton* b : conf->findChildren<QRadioButton*>("LayerOrder"))
        if (b->property("index").toInt() == 3) b->setChecked(true);
    conf->findChild<QLineEdit*>("BlackASCII")->setText("@");

    QTest::mouseClick(conf->findChild<QPushButton*>("SaveIni"), Qt::LeftButton);
    const Preferences& p = f.state.preferences;
    EXPECT_EQ(p.SpriteName, "Nine_lives");
    EXPECT_EQ(p.DefaultWidth, 32);
    EXPECT_EQ(p.DefaultHeight, 256);
    EXPECT_EQ(p.ItemsPerLine, 12);
    EXPECT_EQ(p.SpriteEncodeMethod, 2);
    EXPECT_FALSE(p.IndentType);
    EXPECT_EQ(p.MonochromeWarning, 1);
    EXPECT_EQ(p.LayersArrangement, 3);
    EXPECT_EQ(p.ASCIIcolors[3], '@');
    EXPECT_FALSE(f.state.lcdColors) << "the colour set follows at once";
    const std::string ini = TempDir::Read(f.dir.File("Pixador.ini"));
    EXPECT_NE(ini.find("SpriteName=Nine_lives\r\n"), std::string::npos);
    EXPECT_NE(ini.find("DefaultWidth= 32\r\n"), std::string::npos);
    EXPECT_NE(ini.find("ASCIIcolors= .%@\r\n"), std::string::npos);
    EXPECT_NE(f.window->findChild<QWidget*>("Conf"), nullptr) << "Save to Ini keeps the dialog open";

    // Cancel applies nothing; a reopened dialog shows the applied values.
    QTest::mouseClick(conf->findChild<QPushButton*>("CancelBttn"), Qt::LeftButton);
    conf = OpenConf(f);
    ASSERT_NE(conf, nullptr);
    EXPECT_EQ(conf->findChild<QLineEdit*>("SpriteName")->text(), QString("Nine_lives"));
    conf->findChild<QLineEdit*>("SpriteName")->setText("other");
    QTest::mouseClick(conf->findChild<QPushButton*>("CancelBttn"), Qt::LeftButton);
    EXPECT_EQ(f.state.preferences.SpriteName, "Nine_lives");
    conf = OpenConf(f);
    conf->findChild<QLineEdit*>("SpriteName")->setText("ok_name");
    QTest::mouseClick(conf->findChild<QPushButton*>("OkBttn"), Qt::LeftButton);
    EXPECT_EQ(f.state.preferences.SpriteName, "ok_name");
}

TEST(ConfDialog, PastedLineBreaksNeverReachTheIniFile)
{
    MainWindowFixture f;
    QWidget* conf = OpenConf(f);
    ASSERT_NE(conf, nullptr);
    const auto paste = [conf](const char* box, const char* text) {
        auto* edit = conf->findChild<QLineEdit*>(box);
        QGuiApplication::clipboard()->setText(text);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        return edit->text();
    };
    EXPECT_EQ(paste("SpriteName", "two\r\nlines"), QString("twolines"));
    EXPECT_EQ(paste("WhiteASCII", "\n"), QString(""));
    EXPECT_EQ(paste("DefH", "1\n6"), QString("16"));

    QTest::mouseClick(conf->findChild<QPushButton*>("SaveIni"), Qt::LeftButton);
    const std::string ini = TempDir::Read(f.dir.File("Pixador.ini"));
    EXPECT_NE(ini.find("\r\nSpriteName=twolines\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("\r\nASCIIcolors= .%#\r\n"), std::string::npos) << ini;
    EXPECT_EQ(f.state.preferences.DefaultHeight, 16);
}

}  // namespace
}  // namespace pixador
