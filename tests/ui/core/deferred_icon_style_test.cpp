#include "core/ui/deferred_icon_style.h"

#include <QApplication>
#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

namespace pixador {
namespace {

// Each deferred icon draws exactly what the style it stands in front of would have given.
TEST(DeferredIconStyle, IconsMatchTheBaseStyle)
{
    DeferredIconStyle style;
    const QStyle* base = style.baseStyle();
    for (const QStyle::StandardPixmap which :
         {QStyle::SP_TitleBarMenuButton, QStyle::SP_TitleBarMinButton, QStyle::SP_TitleBarMaxButton,
          QStyle::SP_TitleBarCloseButton, QStyle::SP_TitleBarNormalButton, QStyle::SP_MessageBoxWarning,
          QStyle::SP_DialogOkButton, QStyle::SP_FileDialogNewFolder, QStyle::SP_CustomBase}) {
        SCOPED_TRACE(static_cast<int>(which));
        const QIcon deferred = style.standardIcon(which);
        const QIcon real = base->standardIcon(which);
        ASSERT_EQ(deferred.isNull(), real.isNull());
        EXPECT_EQ(deferred.availableSizes(), real.availableSizes());
        for (const int size : {16, 24, 32}) {
            EXPECT_EQ(deferred.actualSize(QSize(size, size)), real.actualSize(QSize(size, size)));
            EXPECT_EQ(deferred.pixmap(size, QIcon::Disabled).toImage(), real.pixmap(size, QIcon::Disabled).toImage());
            EXPECT_EQ(deferred.pixmap(size).toImage(), real.pixmap(size).toImage());
        }
    }
}

}  // namespace
}  // namespace pixador
