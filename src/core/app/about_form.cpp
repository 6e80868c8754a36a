#include "core/app/about_form.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/dialog_keys.h"
#include "core/ui/sub_window.h"
#include "core/version.h"

namespace pixador {

namespace {

// A small four-gray checker sprite as the logo, drawn rather than shipped.
QPixmap Logo()
{
    static const char* rows[] = {"..####..", ".#%%%%#.", "#%=##=%#", "#%####%#",
                                 "#%#==#%#", "#%=##=%#", ".#%%%%#.", "..####.."};
    QPixmap pix(64, 64);
    pix.fill(QColor(160, 180, 140));
    QPainter p(&pix);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const char c = rows[y][x];
            const QColor color = c == '#' ? QColor(0, 0, 0) : c == '%' ? QColor(104, 117, 90)
                               : c == '=' ? QColor(135, 152, 119) : QColor(160, 180, 140);
            p.fillRect(x * 8, y * 8, 8, 8, color);
        }
    return pix;
}

QWidget* BuildAboutForm()
{
    auto* form = new QWidget;
    form->setObjectName("AboutForm");
    form->setWindowTitle("About Pixador");
    auto* frame = new QGroupBox("About", form);
    auto* logo = new QLabel(frame);
    logo->setObjectName("Logo");
    logo->setPixmap(Logo());
    auto* name = new QLabel("Pixador", frame);
    name->setObjectName("ProductLbl");
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(QString("v%1uF").arg(kVersion), frame);
    version->setObjectName("VerLbl");
    auto* dateCaption = new QLabel("Release Date:", frame);
    auto* date = new QLabel("05/01/2004", frame);
    date->setObjectName("DateLbl");

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(dateCaption);
    dateRow->addWidget(date);
    dateRow->addStretch();
    text->addLayout(dateRow);
    text->addStretch();
    auto* inner = new QHBoxLayout(frame);
    inner->addWidget(logo, 0, Qt::AlignTop);
    inner->addLayout(text);

    auto* ok = new QPushButton("Ok", form);
    ok->setObjectName("OkAbout");
    auto* outer = new QVBoxLayout(form);
    outer->addWidget(frame);
    outer->addWidget(ok, 0, Qt::AlignRight);
    return form;
}

}  // namespace

void OpenAboutForm(QMdiArea& area)
{
    for (QMdiSubWindow* sub : area.subWindowList()) {
        if (sub->widget() && sub->widget()->objectName() == "AboutForm") {
            sub->show();
            area.setActiveSubWindow(sub);
            return;
        }
    }
    QWidget* form = BuildAboutForm();
    QMdiSubWindow* sub = ShowDialogWindow(area, form, form->windowTitle());
    auto* ok = form->findChild<QPushButton*>("OkAbout");
    QObject::connect(ok, &QPushButton::clicked, sub, &QWidget::close);
    AnswerKeys(*form, ok, ok);
}

}  // namespace pixador
